#include "scoring/YearLadders.h"

namespace scoring {

namespace {

using enum TestItem;

// Thresholds T1..T6 of the third school year, written as the decimal
// numbers that a user would type; each becomes the nearest 4-byte real. The
// scores belong to the item (makeLadder).
YearLadders buildThirdYear()
{
    return YearLadders({ {
        { StepTest, Sex::Boy, makeLadder(StepTest, { 61, 57, 52, 47, 45, 41 }) },
        { StepTest, Sex::Girl, makeLadder(StepTest, { 58, 54, 49, 46, 44, 40 }) },
        { Run1000, {}, makeLadder(Run1000, { 5.29f, 4.51f, 4.36f, 4.15f, 3.58f, 3.49f }) },
        { Run800, {}, makeLadder(Run800, { 5.16f, 4.39f, 4.26f, 4.06f, 3.50f, 3.40f }) },
        { Run50, Sex::Boy, makeLadder(Run50, { 9.0f, 8.4f, 8.2f, 7.7f, 7.4f, 7.1f }) },
        { Run50, Sex::Girl, makeLadder(Run50, { 10.7f, 9.8f, 9.5f, 9.1f, 8.7f, 8.4f }) },
        { LongJump, Sex::Boy, makeLadder(LongJump, { 246, 236, 222, 210, 202, 180 }) },
        { LongJump, Sex::Girl, makeLadder(LongJump, { 196, 189, 176, 165, 158, 137 }) },
        { SitAndReach, Sex::Boy,
            makeLadder(SitAndReach, { 16.1f, 14.0f, 10.1f, 6.5f, 4.0f, -3.0f }) },
        { SitAndReach, Sex::Girl,
            makeLadder(SitAndReach, { 17.4f, 15.2f, 11.5f, 8.0f, 6.0f, -1.0f }) },
        { SitUps, {}, makeLadder(SitUps, { 43, 40, 33, 27, 23, 15 }) },
        { GripIndex, Sex::Boy, makeLadder(GripIndex, { 79, 72, 63, 54, 49, 35 }) },
        { GripIndex, Sex::Girl, makeLadder(GripIndex, { 60, 55, 48, 40, 37, 27 }) },
        { VitalCapacity, Sex::Boy, makeLadder(VitalCapacity, { 71, 67, 58, 50, 46, 33 }) },
        { VitalCapacity, Sex::Girl, makeLadder(VitalCapacity, { 59, 55, 49, 41, 38, 22 }) },
    } });
}

} // namespace

const YearLadders &thirdYearLadders()
{
    static const YearLadders ladders = buildThirdYear();
    return ladders;
}

} // namespace scoring
