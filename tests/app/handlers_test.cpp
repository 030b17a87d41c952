// The handlers against a fake toolkit: what the window cannot show, CurrentOperation and the
// key codes that reach OperandKeyDown.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "app/handlers.h"
#include "app/window_toolkit.h"

namespace quillora {
namespace {

class FakeToolkit final : public WindowToolkit {
  public:
    Text ReadText(Control control) override { return texts[control]; }
    void ReplaceText(Control control, std::string_view text) override {
        texts[control] = Text(text);
    }
    void AppendText(Control control, std::string_view text) override {
        texts[control].append(text);
    }
    void SetLeft(Control control, std::int32_t left) override { lefts[control] = left; }
    void SetVisible(Control control, bool visible) override { shown[control] = visible; }
    std::int32_t ReadSelectedIndex(Control) override { return selectedIndex; }
    void ShowErrorBox(std::string_view text) override { errorBoxes.emplace_back(text); }
    void OpenWebAddress(std::string_view address) override {
        openedAddresses.emplace_back(address);
    }

    std::map<Control, Text> texts;
    std::map<Control, std::int32_t> lefts;
    std::map<Control, bool> shown;
    std::int32_t selectedIndex = -1;
    std::vector<Text> errorBoxes;
    std::vector<Text> openedAddresses;
};

class HandlersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CurrentOperation = 0;
        toolkit.texts[Control::编辑框1] = "3";
        toolkit.texts[Control::编辑框2] = "4";
        toolkit.texts[Control::编辑框3] = "before";
    }

    FakeToolkit toolkit;
};

TEST_F(HandlersTest, ComputeWithNothingSelectedStoresMinusOneAndChangesNothing) {
    ComputeAction(toolkit);
    EXPECT_EQ(CurrentOperation, -1);
    EXPECT_EQ(toolkit.texts[Control::编辑框3], "before");
    EXPECT_TRUE(toolkit.shown.empty());
}

TEST_F(HandlersTest, OperationSelectedStoresTheIndex) {
    toolkit.selectedIndex = 12;
    OperationSelected(toolkit);
    EXPECT_EQ(CurrentOperation, 12);
    EXPECT_EQ(toolkit.texts[Control::编辑框3], "before");
}

TEST_F(HandlersTest, EnterComputesWhateverModifiersAreDown) {
    toolkit.selectedIndex = 0;
    for (const std::int32_t modifiers : {0, 1, 2, 4, 7}) {
        toolkit.texts[Control::编辑框3] = "before";
        OperandKeyDown(toolkit, 13, modifiers);
        EXPECT_EQ(toolkit.texts[Control::编辑框3], "相乘的结果:12") << modifiers;
    }
}

TEST_F(HandlersTest, OtherKeysDoNotCompute) {
    toolkit.selectedIndex = 0;
    for (const std::int32_t keyCode : {10, 14, 32, 108, 0x10D}) {
        OperandKeyDown(toolkit, keyCode, 0);
    }
    EXPECT_EQ(toolkit.texts[Control::编辑框3], "before");
}

TEST_F(HandlersTest, NavigationOpensTheSiteAddress) {
    NavigationClicked(toolkit);
    EXPECT_EQ(toolkit.openedAddresses, std::vector<Text>{"www.example.com"});
}

}  // namespace
}  // namespace quillora
