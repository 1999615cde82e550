// The file a printout goes into: named after the document, safe on any file
// system, and never one that is already there.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "print/PrintFileName.h"

namespace tarnwick {
namespace {

struct NameRow {
    const char* what;
    std::string document;
    std::set<std::string> existing;
    std::string name;
};

void PrintTo(const NameRow& r, std::ostream* os) {
    *os << r.what;
}

class PrintFileNames : public testing::TestWithParam<NameRow> {};

TEST_P(PrintFileNames, NameTheFile) {
    const NameRow& row = GetParam();
    EXPECT_EQ(printFileName(row.document, "pdf",
                            [&](const std::string& name) { return row.existing.count(name) > 0; }),
              row.name);
}

const std::string longId(250, 'x');

INSTANTIATE_TEST_SUITE_P(
    Documents, PrintFileNames,
    testing::Values(
        NameRow{"the document's name", "E-7 data report", {}, "E-7 data report.pdf"},
        NameRow{"separators and wildcards",
                "Car 3/4: A*B? \"C\" <D> |E| \\F",
                {},
                "Car 3_4_ A_B_ _C_ _D_ _E_ _F.pdf"},
        NameRow{"control characters", "E-7\tCar\n3 form", {}, "E-7_Car_3 form.pdf"},
        NameRow{"no hidden file, no trailing dot or blank", " ..E-7 form. ", {}, "E-7 form.pdf"},
        NameRow{"nothing left of the name", " . ", {}, "printout.pdf"},
        NameRow{"letters of any script stay",
                "Aufzug M\xC3\xBCller form",
                {},
                "Aufzug M\xC3\xBCller form.pdf"},
        NameRow{"a taken name gets a number", "E-7 form", {"E-7 form.pdf"}, "E-7 form (2).pdf"},
        NameRow{"the first free number",
                "E-7 form",
                {"E-7 form.pdf", "E-7 form (2).pdf", "E-7 form (3).pdf"},
                "E-7 form (4).pdf"},
        NameRow{"a free name keeps no number", "E-7 form", {"E-7 form (2).pdf"}, "E-7 form.pdf"},
        NameRow{"a long name is cut", longId, {}, std::string(200, 'x') + ".pdf"},
        NameRow{"never inside a character",
                std::string(199, 'x') + "\xC3\xBC" + "x",
                {},
                std::string(199, 'x') + ".pdf"}));

}  // namespace
}  // namespace tarnwick
