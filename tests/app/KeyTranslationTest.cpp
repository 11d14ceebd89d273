#include <gtest/gtest.h>

#include <QKeyEvent>

#include "app/peers/KeyTranslation.h"
#include "platform/Window.h"

namespace {

UINT Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers);
  return VirtualKeyOf(event);
}

TEST(KeyTranslationTest, QtKeysBecomeThePlatformsVirtualKeys) {
  EXPECT_EQ(Key(Qt::Key_C, Qt::ControlModifier), static_cast<UINT>('C'));
  EXPECT_EQ(Key(Qt::Key_F8), VK_F8);
  EXPECT_EQ(Key(Qt::Key_F12), VK_F12);
  EXPECT_EQ(Key(Qt::Key_Delete), VK_DELETE);
  EXPECT_EQ(Key(Qt::Key_Enter, Qt::KeypadModifier), VK_RETURN);
  EXPECT_EQ(Key(Qt::Key_Backtab, Qt::ShiftModifier), VK_TAB);
  EXPECT_EQ(Key(Qt::Key_Menu), VK_APPS);
  EXPECT_EQ(Key(Qt::Key_Asterisk, Qt::KeypadModifier), VK_MULTIPLY) << "the keypad's expand-all key";
  EXPECT_EQ(Key(Qt::Key_Asterisk), 0u) << "Shift+8 is not the keypad key";
  EXPECT_EQ(Key(Qt::Key_Home), 0x24u);
  EXPECT_EQ(Key(Qt::Key_VolumeUp), 0u);
}

TEST(KeyTranslationTest, ModifiersAndButtonsBecomeKeyStates) {
  SetPlatformModifiers(Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(GetKeyState(VK_CONTROL) < 0);
  EXPECT_TRUE(GetKeyState(VK_SHIFT) < 0);
  EXPECT_FALSE(GetKeyState(VK_MENU) < 0);
  SetPlatformModifiers(Qt::NoModifier);
  EXPECT_FALSE(GetKeyState(VK_CONTROL) < 0);

  EXPECT_EQ(KeyStateOf(Qt::LeftButton, Qt::ControlModifier), MK_LBUTTON | MK_CONTROL);
  EXPECT_EQ(KeyStateOf(Qt::NoButton, Qt::NoModifier, true), MK_RBUTTON) << "a right-button drag keeps its button";
  EXPECT_EQ(KeyStateOf(Qt::RightButton, Qt::AltModifier | Qt::ShiftModifier), MK_RBUTTON | MK_ALT | MK_SHIFT);
}

}  // namespace
