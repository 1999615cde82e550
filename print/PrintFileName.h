// The name of the file a printout goes into when it is printed to a file:
// the document's name made safe for a file system, with a number added when
// that name is taken.
#pragma once

#include <functional>
#include <string>

namespace tarnwick {

/// "E-7 data report.pdf" for the document "E-7 data report". Characters that
/// file systems refuse or give a meaning (path separators, wildcards,
/// quotes, control characters) become "_"; blanks and dots at either end are
/// dropped, so the name is never hidden and never a folder's name; a name
/// left empty becomes "printout". Long names are cut to keep the file name
/// within 200 bytes, never inside a UTF-8 character. When `taken` says the
/// name is in use, " (2)", " (3)", ... goes before the extension: the first
/// free one is returned.
std::string printFileName(const std::string& document, const std::string& extension,
                          const std::function<bool(const std::string&)>& taken);

}  // namespace tarnwick
