#pragma once
// Regex and RegexMatch: the regular expressions of the loaders, on PCRE2 with JIT.
// Backtracking semantics: the first match found, alternatives tried left to right,
// "^" anchors at the start of the subject only ("$" at its end or before a final
// line feed). Subjects are bytes (no UTF-8 check), so binary input is harmless.
// A pattern is compiled once and reused for every subject; one RegexMatch holds the
// captures of the last match and is reused too, so matching a line allocates nothing.
// Lines of any length are safe: when the JIT stack runs out the match is redone by the
// interpreter, whose frames live on the heap; a match that exceeds even that limit
// raises Error instead of overflowing the stack.

#include <memory>
#include <string>
#include <string_view>

class RegexMatch;

class Regex {
public:
    // Compiles the pattern; caseInsensitive is the "i" attribute. A pattern that does
    // not compile raises Error "Regex: <reason> at offset <n> in <pattern>".
    explicit Regex(std::string_view pattern, bool caseInsensitive = false);
    ~Regex();
    Regex(Regex&&) noexcept;
    Regex& operator=(Regex&&) noexcept;

    // Looks for the first match in subject; on success the captures are in out.
    bool match(std::string_view subject, RegexMatch& out) const;
    // Whether the pattern matches anywhere in subject.
    bool found(std::string_view subject) const;
    // Number of capture groups of the pattern.
    int groupCount() const;
    const std::string& pattern() const { return source; }

private:
    struct Code;
    std::unique_ptr<Code> code;
    std::string source;
};

// The captures of one match. Views point into the matched subject, which must outlive them.
class RegexMatch {
public:
    RegexMatch();
    ~RegexMatch();
    RegexMatch(const RegexMatch&) = delete;
    RegexMatch& operator=(const RegexMatch&) = delete;

    // Text of group i (0 is the whole match); the empty text for a group that took
    // part in no match or is beyond the pattern's groups.
    std::string_view group(int i) const;

private:
    friend class Regex;
    struct Data;
    std::unique_ptr<Data> data;
};
