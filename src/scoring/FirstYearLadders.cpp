#include "scoring/YearLadders.h"

namespace scoring {

namespace {

using enum TestItem;

// Thresholds T1..T6 of the first school year, written as the decimal numbers
// that a user would type; each becomes the nearest 4-byte real. The scores
// belong to the item (makeLadder).
//
// Two thresholds are chosen here, the rest of each ladder is fixed:
// - Boys' standing long jump T3 = 193 cm (the least jump for 25 points). It
//   must lie between T4 = 181 and T2 = 213; both later school years put T3
//   exactly 12 cm above T4 (212/200 and 222/210), so the first year does too.
// - Girls' grip index T3 = 47 (16 points from 47, 15 points below it). The
//   two candidates are 47 and 49; the first year's girls' ladder otherwise
//   sits at or just below the third year's (59/60, 54/55, 40/40, 36/37,
//   27/27), whose T3 is 48, and 49 would put it above that.
YearLadders buildFirstYear()
{
    return YearLadders({ {
        { StepTest, Sex::Boy, makeLadder(StepTest, { 64, 59, 53, 48, 46, 40 }) },
        { StepTest, Sex::Girl, makeLadder(StepTest, { 63, 57, 50, 45, 43, 38 }) },
        { Run1000, {}, makeLadder(Run1000, { 5.52f, 5.21f, 5.05f, 4.39f, 4.19f, 4.08f }) },
        { Run800, {}, makeLadder(Run800, { 5.26f, 4.51f, 4.36f, 4.12f, 3.54f, 3.44f }) },
        { Run50, Sex::Boy, makeLadder(Run50, { 10.1f, 9.2f, 8.9f, 8.4f, 7.9f, 7.6f }) },
        { Run50, Sex::Girl, makeLadder(Run50, { 10.9f, 10.0f, 9.7f, 9.2f, 8.8f, 8.4f }) },
        { LongJump, Sex::Boy, makeLadder(LongJump, { 221, 213, 193, 181, 171, 150 }) },
        { LongJump, Sex::Girl, makeLadder(LongJump, { 191, 181, 169, 157, 150, 131 }) },
        { SitAndReach, Sex::Boy,
            makeLadder(SitAndReach, { 13.2f, 11.0f, 7.3f, 4.0f, 2.0f, -5.0f }) },
        { SitAndReach, Sex::Girl,
            makeLadder(SitAndReach, { 16.6f, 14.5f, 10.4f, 7.0f, 5.0f, -0.4f }) },
        { SitUps, {}, makeLadder(SitUps, { 42, 38, 32, 25, 20, 13 }) },
        { GripIndex, Sex::Boy, makeLadder(GripIndex, { 73, 66, 56, 46, 41, 30 }) },
        { GripIndex, Sex::Girl, makeLadder(GripIndex, { 59, 54, 47, 40, 36, 27 }) },
        { VitalCapacity, Sex::Boy, makeLadder(VitalCapacity, { 69, 64, 55, 47, 42, 30 }) },
        { VitalCapacity, Sex::Girl, makeLadder(VitalCapacity, { 61, 56, 48, 40, 35, 21 }) },
    } });
}

} // namespace

const YearLadders &firstYearLadders()
{
    static const YearLadders ladders = buildFirstYear();
    return ladders;
}

} // namespace scoring
