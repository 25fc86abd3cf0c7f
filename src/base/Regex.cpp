#include "base/Regex.h"

#include "base/Error.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

namespace {

std::string pcreMessage(int code) {
    PCRE2_UCHAR buffer[256];
    if (pcre2_get_error_message(code, buffer, sizeof buffer) < 0) return "error " + std::to_string(code);
    return reinterpret_cast<const char*>(buffer);
}

// Enough for every pattern of the loaders (nine captures); larger patterns get their own.
constexpr uint32_t kDefaultPairs = 16;
constexpr PCRE2_SIZE kJitStackStart = 32 * 1024;
constexpr PCRE2_SIZE kJitStackMax = 1024 * 1024;

}  // namespace

struct Regex::Code {
    pcre2_code* compiled = nullptr;
    bool jit = false;
    ~Code() { pcre2_code_free(compiled); }
};

struct RegexMatch::Data {
    pcre2_match_data* match = nullptr;
    pcre2_match_context* context = nullptr;
    pcre2_jit_stack* jitStack = nullptr;
    std::string_view subject;
    uint32_t pairs = 0;  // capture pairs set by the last match (0: none)

    explicit Data(uint32_t pairs) { allocate(pairs); }
    ~Data() {
        pcre2_match_data_free(match);
        pcre2_match_context_free(context);
        pcre2_jit_stack_free(jitStack);
    }
    void allocate(uint32_t count) {
        pcre2_match_data_free(match);
        match = pcre2_match_data_create(count, nullptr);
        if (!match) throw Error("Regex: out of memory for match data");
    }
    // The JIT stack is per match object, so that separate RegexMatch objects can be
    // used on separate threads.
    pcre2_match_context* jitContext() {
        if (!context) {
            context = pcre2_match_context_create(nullptr);
            jitStack = pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr);
            if (!context || !jitStack) throw Error("Regex: out of memory for the JIT stack");
            pcre2_jit_stack_assign(context, nullptr, jitStack);
        }
        return context;
    }
};

Regex::Regex(std::string_view pattern, bool caseInsensitive) : code(std::make_unique<Code>()), source(pattern) {
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    const uint32_t options = caseInsensitive ? PCRE2_CASELESS : 0;
    code->compiled = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), options,
                                   &errorCode, &errorOffset, nullptr);
    if (!code->compiled)
        throw Error("Regex: " + pcreMessage(errorCode) + " at offset " + std::to_string(errorOffset) + " in " +
                    source);
    // Without JIT support (some platforms) the interpreter does the same work, only slower.
    code->jit = pcre2_jit_compile(code->compiled, PCRE2_JIT_COMPLETE) == 0;
}

Regex::~Regex() = default;
Regex::Regex(Regex&&) noexcept = default;
Regex& Regex::operator=(Regex&&) noexcept = default;

int Regex::groupCount() const {
    uint32_t count = 0;
    pcre2_pattern_info(code->compiled, PCRE2_INFO_CAPTURECOUNT, &count);
    return static_cast<int>(count);
}

bool Regex::match(std::string_view subject, RegexMatch& out) const {
    RegexMatch::Data& d = *out.data;
    const uint32_t needed = static_cast<uint32_t>(groupCount()) + 1;
    if (needed > pcre2_get_ovector_count(d.match)) d.allocate(needed);
    d.subject = subject;
    d.pairs = 0;
    const auto* text = reinterpret_cast<PCRE2_SPTR>(subject.data());
    int rc = PCRE2_ERROR_JIT_STACKLIMIT;
    if (code->jit) rc = pcre2_jit_match(code->compiled, text, subject.size(), 0, 0, d.match, d.jitContext());
    // The interpreter keeps its backtracking frames on the heap: slower, but bounded
    // only by its heap limit, so very long lines still match correctly.
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT)
        rc = pcre2_match(code->compiled, text, subject.size(), 0, PCRE2_NO_JIT, d.match, nullptr);
    if (rc == PCRE2_ERROR_NOMATCH) return false;
    if (rc < 0) throw Error("Regex: " + pcreMessage(rc) + " matching " + source);
    // rc 0 means the vector was too small, which the allocation above rules out.
    d.pairs = rc == 0 ? pcre2_get_ovector_count(d.match) : static_cast<uint32_t>(rc);
    return true;
}

bool Regex::found(std::string_view subject) const {
    RegexMatch scratch;
    return match(subject, scratch);
}

RegexMatch::RegexMatch() : data(std::make_unique<Data>(kDefaultPairs)) {}
RegexMatch::~RegexMatch() = default;

std::string_view RegexMatch::group(int i) const {
    if (i < 0 || static_cast<uint32_t>(i) >= data->pairs) return {};
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data->match);
    const PCRE2_SIZE start = ovector[2 * i];
    const PCRE2_SIZE end = ovector[2 * i + 1];
    if (start == PCRE2_UNSET || end < start) return {};
    return data->subject.substr(start, end - start);
}
