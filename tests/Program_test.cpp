// The program as the suite starts it: without a first argument it ends at
// once, without a window and without needing a display.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

TEST(Program, WithoutAFirstArgumentEndsAtOnceWithStatus0) {
  const struct {
    const char *name;
    QStringList args;
  } cases[] = {{"no argument", {}}, {"empty first argument", {QString()}}, {"empty first, more after", {QString(), "INT"}}};
  for (const auto &c : cases) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No display of any kind: a window or a platform plugin would fail here.
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(Q7_PROGRAM_FILE), c.args);
    ASSERT_TRUE(program.waitForFinished(10000)) << c.name;
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << c.name;
    EXPECT_EQ(program.exitCode(), 0) << c.name;
  }
}

}  // namespace
