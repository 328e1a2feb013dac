#pragma once

#include "shell/adapter.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <gtest/gtest.h>

#include <memory>

namespace zoki::test {

// The program started over its test folder with the window adapter on top and
// the main window shown. A fixture that needs files in the folder writes them
// in prepareFolder(), which runs before the start-up reads them.
class AdapterFixture : public testing::Test {
protected:
    void SetUp() override {
        prepareFolder();
        h.start();
        adapter = std::make_unique<qt::Adapter>(h.p());
        f1().show();
    }
    void TearDown() override {
        adapter.reset();
        // Deleted widgets must go now, not after the next test has started.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    virtual void prepareFolder() {}

    Form1& f1() { return h.p().form1; }
    QMainWindow* main() { return adapter->mainWindow(); }

    Harness h;
    std::unique_ptr<qt::Adapter> adapter;
};

} // namespace zoki::test
