// Readers look rows up by number, so a number past a table must give an
// empty text, never a neighbour's.
#include "fields/FieldCatalogue.h"

#include <gtest/gtest.h>

namespace tk {

TEST(field_catalogue_test, past_the_end_is_nothing) {
  EXPECT_EQ(FieldLabel(Mode::EndNote, 33), "");
  EXPECT_EQ(GenericFieldMap(49), "");
}

}  // namespace tk
