#include "ui/edit_box.h"

#include <gtest/gtest.h>

#include <string>

namespace {

tgedit Box(const std::string& text = "") {
    return MakeEdit(text, 0, 0, 0.3f, 0.08f, ClientSize{});
}

void Type(tgedit& edit, const std::string& keys, EditMode mode) {
    for (char c : keys) HandleKey(edit, static_cast<uint8_t>(c), mode);
}

std::string Paste(const std::string& clipboardText, EditMode mode, const std::string& before = "") {
    MemoryClipboard clipboard;
    clipboard.text = clipboardText;
    tgedit edit = Box(before);
    HandleCommand(edit, EditCommand::Paste, mode, clipboard);
    return edit.text;
}

}  // namespace

TEST(EditBoxNumberMode, RefusesDigitsThatWouldReach256AndNonDigits) {
    tgedit edit = Box();
    Type(edit, "256", EditMode::Number);
    EXPECT_EQ(edit.text, "25");
    Type(edit, "a-,.", EditMode::Number);
    EXPECT_EQ(edit.text, "25");
    Type(edit, "\b5", EditMode::Number);
    EXPECT_EQ(edit.text, "25");

    tgedit zeros = Box("0");
    Type(zeros, "99", EditMode::Number);  // "099" is 99
    EXPECT_EQ(zeros.text, "099");
}

TEST(EditBoxNumberMode, PasteTakesOnlyDigitsAndCapsAt255) {
    EXPECT_EQ(Paste("300", EditMode::Number, "7"), "255");
    EXPECT_EQ(Paste("12a", EditMode::Number, "7"), "7");
    EXPECT_EQ(Paste("", EditMode::Number, "7"), "7");
    EXPECT_EQ(Paste("99999999999999999999999999", EditMode::Number), "255");
    EXPECT_EQ(Paste("42", EditMode::Number, "7"), "42");
}

TEST(EditBoxAddressMode, CommaBecomesDotAndGroupsStayBelow256) {
    tgedit edit = Box();
    Type(edit, "192,168", EditMode::Address);
    EXPECT_EQ(edit.text, "192.168");

    tgedit full = Box();
    Type(full, "1.2.3.256", EditMode::Address);
    EXPECT_EQ(full.text, "1.2.3.25");
    Type(full, ".", EditMode::Address);  // a fourth dot
    EXPECT_EQ(full.text, "1.2.3.25");
}

TEST(EditBoxAddressMode, DotsNeedADigitBeforeThemAndOtherKeysAreIgnored) {
    tgedit edit = Box();
    Type(edit, ".", EditMode::Address);
    EXPECT_EQ(edit.text, "");
    Type(edit, "1..x ", EditMode::Address);
    EXPECT_EQ(edit.text, "1.");
    Type(edit, "0001", EditMode::Address);  // a group holds three digits at most
    EXPECT_EQ(edit.text, "1.000");
    Type(edit, "\b\b\b\b\b", EditMode::Address);
    EXPECT_EQ(edit.text, "");
}

TEST(EditBoxAddressMode, PasteMustBeAnAddress) {
    EXPECT_EQ(Paste("10.0.0.1", EditMode::Address), "10.0.0.1");
    EXPECT_EQ(Paste("10.0.0.300", EditMode::Address, "keep"), "keep");
    EXPECT_EQ(Paste(".10.0.0.1", EditMode::Address, "keep"), "keep");
    EXPECT_EQ(Paste("host.lan", EditMode::Address, "keep"), "keep");
}

TEST(CheckAddress, AcceptsDigitGroupsOnly) {
    EXPECT_TRUE(CheckAddress("127.0.0.1"));
    EXPECT_TRUE(CheckAddress("255.255.255.255"));
    EXPECT_TRUE(CheckAddress("1.2.3.4.5"));  // the dot count is not checked
    EXPECT_TRUE(CheckAddress("1."));
    EXPECT_FALSE(CheckAddress(""));
    EXPECT_FALSE(CheckAddress(".1"));
    EXPECT_FALSE(CheckAddress("1.256"));
    EXPECT_FALSE(CheckAddress("0001.1"));
    EXPECT_FALSE(CheckAddress("1,2"));
    EXPECT_FALSE(CheckAddress("1.2.3.4 "));
}

TEST(EditBoxTextMode, TypingStopsAt20WhilePasteHolds64) {
    tgedit edit = Box();
    Type(edit, std::string(30, 'a'), EditMode::Text);
    EXPECT_EQ(edit.text, std::string(20, 'a'));

    EXPECT_EQ(Paste(std::string(100, 'b'), EditMode::Text), std::string(64, 'b'));
    EXPECT_EQ(Paste("name\r\n", EditMode::Text), "name");
}

TEST(EditBoxTextMode, ControlCodesAreNotTextAndCyrillicLettersAre) {
    tgedit edit = Box("ab");
    Type(edit, "\t\r\x13", EditMode::Text);
    EXPECT_EQ(edit.text, "ab");
    // The Windows-1251 letters that share their codes with the clipboard commands type as letters.
    Type(edit, "\xF7\xF8\xF9\xFA", EditMode::Text);
    EXPECT_EQ(edit.text, "ab\xF7\xF8\xF9\xFA");
    Type(edit, "\b\b\b\b\b\b\b", EditMode::Text);
    EXPECT_EQ(edit.text, "");
}

TEST(EditBoxSelectAll, FirstKeyReplacesTheWholeText) {
    tgedit edit = Box("Player1");
    edit.selectAll = true;
    Type(edit, "Z", EditMode::Text);
    EXPECT_EQ(edit.text, "Z");
    EXPECT_FALSE(edit.selectAll);

    tgedit number = Box("12");
    number.selectAll = true;
    Type(number, "x", EditMode::Number);  // refused, but the selection is still replaced
    EXPECT_EQ(number.text, "");
}

TEST(EditBoxClipboard, CopyCutAndDeleteActOnlyOnASelectedText) {
    MemoryClipboard clipboard;
    clipboard.text = "before";
    tgedit edit = Box("name");
    HandleCommand(edit, EditCommand::Copy, EditMode::Text, clipboard);
    HandleCommand(edit, EditCommand::Cut, EditMode::Text, clipboard);
    HandleCommand(edit, EditCommand::Delete, EditMode::Text, clipboard);
    EXPECT_EQ(clipboard.text, "before");
    EXPECT_EQ(edit.text, "name");

    edit.selectAll = true;
    HandleCommand(edit, EditCommand::Copy, EditMode::Text, clipboard);
    EXPECT_EQ(clipboard.text, "name");
    EXPECT_EQ(edit.text, "name");
    EXPECT_TRUE(edit.selectAll);

    edit.text = "other";
    HandleCommand(edit, EditCommand::Cut, EditMode::Text, clipboard);
    EXPECT_EQ(clipboard.text, "other");
    EXPECT_EQ(edit.text, "");

    edit.text = "gone";
    edit.selectAll = true;
    HandleCommand(edit, EditCommand::Delete, EditMode::Text, clipboard);
    EXPECT_EQ(edit.text, "");
    EXPECT_FALSE(edit.selectAll);
}

TEST(EditBoxClipboard, PasteReplacesTheTextAndEndsTheSelection) {
    MemoryClipboard clipboard;
    clipboard.text = "pasted";
    tgedit edit = Box("old");
    edit.selectAll = true;
    HandleCommand(edit, EditCommand::Paste, EditMode::Text, clipboard);
    EXPECT_EQ(edit.text, "pasted");
    EXPECT_FALSE(edit.selectAll);
    Type(edit, "!", EditMode::Text);
    EXPECT_EQ(edit.text, "pasted!");
}

TEST(EditBoxCaret, BlinksEvery800msOnlyInTheActiveBox) {
    tgedit edit = Box();
    EXPECT_FALSE(UpdateCaret(edit, 5000));
    edit.active = true;
    EXPECT_TRUE(UpdateCaret(edit, 5000));
    EXPECT_TRUE(UpdateCaret(edit, 5799));
    EXPECT_FALSE(UpdateCaret(edit, 5800));
    EXPECT_FALSE(UpdateCaret(edit, 6599));
    EXPECT_TRUE(UpdateCaret(edit, 6600));
    edit.active = false;
    EXPECT_FALSE(UpdateCaret(edit, 9000));
}
