// A class set without Qt: it reaches only the kinds the table has.
#include "class_set.h"
#include "trace_surface.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

using namespace gridora;

namespace {

TEST(ClassSet, AKindTheTableDoesNotHaveOpensNoDocument)
{
    for (const int beyond : {kinds::kNoEntry - 1, static_cast<int>(kinds::all().size())}) {
        std::ostringstream out;
        TPrinter printer(std::make_unique<TracePrintTarget>(out, 800, 1000));
        EXPECT_THROW(classset::printClassSet(printer, {beyond, 0, 60}, {"Ann", "Ben"}), std::out_of_range);
        EXPECT_FALSE(printer.Printing());
        EXPECT_EQ(out.str(), "") << "kind " << beyond;
    }
}

} // namespace
