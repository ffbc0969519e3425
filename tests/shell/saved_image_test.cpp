#include <gtest/gtest.h>

#include "shell/saved_image.h"
#include "support/fresh_image.h"

namespace talvex {
namespace {

TEST(SavedImage, OnlyAChangeNotMadeBackDiffersAndWhatThePagesDeriveCountsAsDerived)
{
    auto image = testing::FreshImage();
    image->ruleTable[4].ruleNumber = 9;          // the Rules page stamps 4 when it opens
    image->priQTable[1].flags = PQ_IN_USE;       // the queue page derives its queue number
    SavedImage saved(*image);
    image->ruleTable[4].ruleNumber = 4;
    image->priQTable[1].queueNumber = 0;
    EXPECT_FALSE(saved.differs(*image));
    image->qosTable[3].flags = QOS_BY_BYTES;
    EXPECT_TRUE(saved.differs(*image));
    image->qosTable[3].flags = 0;
    EXPECT_FALSE(saved.differs(*image));
    image->qosTable[3].flags = QOS_BY_BYTES;
    saved.markSaved(*image);
    EXPECT_FALSE(saved.differs(*image));
}

} // namespace
} // namespace talvex
