#include "adapter_fixture.h"
#include "support/fakes.h"
#include "ui/qt/adapter.h"

#include <QAccessible>
#include <gtest/gtest.h>

namespace zoki {
namespace {

// The program with draws and a kept set.
class Guidance : public test::AdapterFixture {
protected:
    void prepareFolder() override {
        h.folder.write("data.dat",
                       test::drawFile({{3, 11, 19, 25, 33, 41, 7}, {7, 11, 20, 27, 30, 43, 3}, {1, 2, 3, 4, 5, 6, 9}}));
        h.folder.write("OutData.dat", test::drawFile({{3, 7, 8, 9, 10, 11}}));
    }
    QWidget* widget(const Control& c) { return adapter->view(c.form().id())->widget(c); }
};

// Every bar and ranking picture tells its counts as its tool tip and to a
// screen reader; the chart's frame tells what red and blue mean.
TEST_F(Guidance, TheChartsTellTheirCountsInToolTipsAndToAScreenReader) {
    f1().dataAdd.click();
    Form2& f2 = h.p().form2();
    ASSERT_TRUE(f2.visible());
    struct Case {
        const Control* control;
        const char* tip;
    };
    for (const Case& c :
         {Case{&f2.Label2(6), "7: 当選 2 回 / 出力 1 回"}, Case{&f2.Label5(6), "7: 当選 2 回 / 出力 1 回"},
          Case{&f2.Label1(2), "3: 当選 3 回 / 出力 1 回"}, Case{&f2.Label5(42), "43: 当選 1 回 / 出力 0 回"},
          Case{&f2.Image2(0), "3: 当選 3 回"}, Case{&f2.Image2(1), "11: 当選 2 回"},
          Case{&f2.Frame4, "赤の棒: 当選番号に出た回数 / 青の棒: 履歴に残した予想に入った回数"}}) {
        QWidget* w = widget(*c.control);
        ASSERT_NE(w, nullptr) << c.control->objectName();
        EXPECT_EQ(w->toolTip(), c.tip) << c.control->objectName();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description), c.tip)
            << c.control->objectName();
    }
}

} // namespace
} // namespace zoki
