#include "base/Error.h"

std::string ProgramError::describe(const std::string& what, const std::source_location& where) {
    return what + " at " + where.file_name() + ":" + std::to_string(where.line());
}
