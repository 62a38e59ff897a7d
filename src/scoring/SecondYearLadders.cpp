#include "scoring/YearLadders.h"

namespace scoring {

namespace {

using enum TestItem;

// Thresholds T1..T6 of the second school year, written as the decimal
// numbers that a user would type; each becomes the nearest 4-byte real. The
// scores belong to the item (makeLadder).
YearLadders buildSecondYear()
{
    return YearLadders({ {
        { StepTest, Sex::Boy, makeLadder(StepTest, { 64, 58, 52, 47, 42, 40 }) },
        { StepTest, Sex::Girl, makeLadder(StepTest, { 59, 55, 49, 45, 43, 39 }) },
        { Run1000, {}, makeLadder(Run1000, { 5.45f, 5.08f, 4.51f, 4.27f, 4.08f, 3.58f }) },
        { Run800, {}, makeLadder(Run800, { 5.23f, 4.46f, 4.31f, 4.09f, 3.51f, 3.41f }) },
        { Run50, Sex::Boy, makeLadder(Run50, { 10.0f, 8.9f, 8.6f, 8.1f, 7.7f, 7.4f }) },
        { Run50, Sex::Girl, makeLadder(Run50, { 11.5f, 10.2f, 9.9f, 9.2f, 8.8f, 8.5f }) },
        { LongJump, Sex::Boy, makeLadder(LongJump, { 236, 228, 212, 200, 190, 165 }) },
        { LongJump, Sex::Girl, makeLadder(LongJump, { 189, 181, 170, 160, 152, 132 }) },
        { SitAndReach, Sex::Boy,
            makeLadder(SitAndReach, { 14.5f, 12.0f, 8.1f, 4.5f, 2.0f, -5.2f }) },
        { SitAndReach, Sex::Girl,
            makeLadder(SitAndReach, { 15.1f, 13.8f, 10.0f, 6.2f, 4.5f, -1.0f }) },
        { SitUps, {}, makeLadder(SitUps, { 43, 39, 32, 25, 21, 14 }) },
        { GripIndex, Sex::Boy, makeLadder(GripIndex, { 77, 70, 60, 50, 46, 32 }) },
        { GripIndex, Sex::Girl, makeLadder(GripIndex, { 58, 53, 46, 40, 35, 26 }) },
        { VitalCapacity, Sex::Boy, makeLadder(VitalCapacity, { 70, 65, 57, 49, 45, 34 }) },
        { VitalCapacity, Sex::Girl, makeLadder(VitalCapacity, { 60, 55, 48, 41, 37, 24 }) },
    } });
}

} // namespace

const YearLadders &secondYearLadders()
{
    static const YearLadders ladders = buildSecondYear();
    return ladders;
}

} // namespace scoring
