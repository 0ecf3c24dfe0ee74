// Start of the per-process cases. Each case relies on state that exists once
// per process (the logger binding, the loaded library), so a run that selects
// more than one case is refused before any of them runs: run them through
// ctest, which starts each in a process of its own, or pick one with
// --gtest_filter.
#include <gtest/gtest.h>

namespace {

class OneCasePerProcess : public testing::Environment {
  public:
    void SetUp() override
    {
        const int selected = testing::UnitTest::GetInstance()->test_to_run_count();
        ASSERT_LE(selected, 1) << selected
                               << " cases selected; each needs a process of its own: run "
                                  "them through ctest, or pick one with --gtest_filter";
    }
};

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new OneCasePerProcess);
    return RUN_ALL_TESTS();
}
