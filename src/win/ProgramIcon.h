// The resource id of the program's icon group (src/app/twistblocks.rc.in). A plain macro:
// the resource compiler reads this file too.
#ifndef TWISTBLOCKS_PROGRAM_ICON_H
#define TWISTBLOCKS_PROGRAM_ICON_H

#define TWISTBLOCKS_PROGRAM_ICON 1

#endif
