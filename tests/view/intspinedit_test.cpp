#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "intspinedit.h"

namespace {

struct SpinCase {
  int minimum, maximum;
  const char *typed;
  int value;
};

TEST(IntSpinEditTest, PullsToTheNearerEndUnlessBothEndsAreEqual) {
  for (const SpinCase &c :
       {SpinCase{-1000, 1000, "1500", 1000}, SpinCase{-1000, 1000, "-2000", -1000}, SpinCase{1, 9, "abc", 1},
        SpinCase{1, 9, "", 1}, SpinCase{10, 100000, "5", 10}, SpinCase{3, 3, "77", 77}, SpinCase{-5, 5, " 4 ", 4},
        SpinCase{-5, 5, "2.5", -5}, SpinCase{0, 10, "99999999999999", 10}}) {
    TIntSpinEdit edit;
    edit.SetRange(c.minimum, c.maximum);
    edit.show();
    auto *editor = edit.findChild<QLineEdit *>();
    editor->selectAll();
    QTest::keyClicks(editor, c.typed);
    EXPECT_EQ(edit.Value(), c.value) << c.typed;
    edit.clearFocus();
    QFocusEvent focusOut(QEvent::FocusOut);
    QCoreApplication::sendEvent(&edit, &focusOut);
    EXPECT_EQ(edit.value(), c.value) << c.typed;
  }
}

TEST(IntSpinEditTest, ValuesSetByTheProgramArePulledToo) {
  TIntSpinEdit edit;
  edit.SetRange(1, 9);
  edit.SetValue(12);
  EXPECT_EQ(edit.Value(), 9);
  edit.SetRange(-10, -5);
  EXPECT_EQ(edit.Value(), -5);
}

}  // namespace
