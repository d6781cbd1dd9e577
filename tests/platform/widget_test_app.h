#pragma once

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace testsupport {

// Gives every widget test of an executable one QApplication for the whole run; include
// this header in one source file of the executable.
class WidgetTestApp final : public testing::Environment {
public:
    void SetUp() override
    {
        if (!QApplication::instance())
            m_app = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "widget_tests";
    char *m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

inline testing::Environment *const widgetTestApp = testing::AddGlobalTestEnvironment(new WidgetTestApp);

} // namespace testsupport
