# Plots bench_soak's samples: resident memory and CPU per frame against frames.
#   gnuplot -e "in='soak.tsv'; out='docs/soak.png'" bench/soak_plot.gp
# (Debian: apt-get install gnuplot-nox.) Lines other than samples are left out.
set terminal pngcairo size 720,420 font ",10"
set output out
set multiplot layout 2,1
set grid
set format x "%.0s%c"
set lmargin 10
data = "< grep -E '^[0-9]' " . in
set ylabel "RSS (MB)"
set yrange [0:*]
plot data using 1:($2/1024) with linespoints pt 7 ps 0.5 title "resident memory"
set xlabel "frames"
set ylabel "CPU ms per frame"
plot data using 1:($1 > 0 ? $3 : 1/0) with linespoints pt 7 ps 0.5 lc 2 title "CPU per frame, last 10,000 frames"
unset multiplot
