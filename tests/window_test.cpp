// The real window on Qt's offscreen platform: its commands, its prompts
// answered with key events, and the texts that end up in its fields.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

#include "app/window/caption_label.h"
#include "app/window/form1.h"
#include "app/window/layout.h"
#include "app/window/prompt_dialog.h"
#include "app/window/window_style.h"

using namespace kestavo;
using namespace kestavo::window;

namespace {

// Answers every modal prompt of a calculation with key events, as a user
// would, and records what each prompt showed.
class PromptAnswerer : public QObject {
 public:
  // Lives for one calculation: a second answerer alive at the same time
  // would answer the same prompts.
  explicit PromptAnswerer(std::deque<QString> replies) : replies_(std::move(replies)) {
    connect(&timer_, &QTimer::timeout, this, [this] { answer(); });
    timer_.start(1);
  }

  QStringList messages;
  QStringList stopMessages;
  QStringList problems;  // anything a prompt did wrong
  // Called with each prompt before it is answered.
  std::function<void(PromptDialog*)> onPrompt;

  bool done() const { return replies_.empty(); }

 private:
  void answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      stopMessages << box->text();
      box->accept();
      return;
    }
    auto* dialog = qobject_cast<PromptDialog*>(modal);
    // Each prompt is a new dialog, possibly at the address of the last one.
    if (dialog == nullptr || dialog->property("answered").toBool()) return;
    dialog->setProperty("answered", true);
    check(dialog);
    if (onPrompt) onPrompt(dialog);
    if (replies_.empty()) {
      problems << "no reply left for: " + dialog->messageLabel()->text();
      QTest::keyClick(dialog->replyEdit(), Qt::Key_Escape);
      return;
    }
    const QString reply = replies_.front();
    replies_.pop_front();
    QTest::keyClicks(dialog->replyEdit(), reply);
    QTest::keyClick(dialog->replyEdit(), Qt::Key_Return);
  }

  void check(PromptDialog* dialog) {
    QLabel* label = dialog->messageLabel();
    messages << label->text();
    if (!dialog->isModal()) problems << "prompt is not modal";
    if (dialog->windowTitle() != "Kestavo") problems << "title " + dialog->windowTitle();
    if (!dialog->replyEdit()->text().isEmpty()) problems << "entry does not start empty";
    if (!label->wordWrap() || label->height() < label->heightForWidth(label->width()))
      problems << "message not shown whole: " + label->text();
  }

  QTimer timer_;
  std::deque<QString> replies_;
};

std::deque<QString> workedRunReplies() {
  std::deque<QString> replies = {
      "999",  "0", "1000", "",  // Xa corrected once
      "abc",  "",  "1000", "",  // Ya: a non-number is refused, then typed again
      "1000", "",  "2000", "",  // Xb, Yb
      "P1",   "B", "P2",   "A"};
  for (const char* angle :
       {"45.0004", "45.0000", "45.0000", "45.0000", "45.0000", "45.0000", "45.0000", "45.0002"})
    replies.insert(replies.end(), {angle, ""});
  return replies;
}

QString text(Form1& form, int number, int index = -1) {
  return form.field(Field{number, index})->text();
}

}  // namespace

QtMessageHandler previousHandler = nullptr;

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The offscreen platform warns for every dialog that it cannot pass
    // size hints on; nothing of ours.
    previousHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
          if (!message.contains("propagateSizeHints")) previousHandler(type, context, message);
        });
    setUpApplication(*qApp);
    QApplication::setQuitOnLastWindowClosed(true);
  }

  void startsEmptyWithItsLayout() {
    Form1 form;
    form.show();
    QCOMPARE(form.windowTitle(), QString("Form1"));
    QVERIFY(form.width() * kTwipsPerPixel >= kLayoutWidth);
    QVERIFY(form.height() * kTwipsPerPixel >= kLayoutHeight);
    for (const auto& control : fieldSpecs()) QVERIFY(form.field(control.field)->text().isEmpty());
    QCOMPARE(form.findChildren<QLineEdit*>().size(), 33);
    QCOMPARE(form.findChildren<CaptionLabel*>().size(), 68);
    QCOMPARE(form.label(37)->text(), QString("(座 标 计 算 结 果)"));
    QCOMPARE(form.command(1)->text(), QString("计 算"));
    QCOMPARE(form.field(Field{5, 2})->objectName(), QString("Text5(2)"));
    QCOMPARE(form.field(Field{1})->accessibleName(), QString("A点纵座标 Xa"));
    QCOMPARE(form.field(Field{6})->accessibleName(), QString("w( 1--1 ) 三角形闭合差"));
    QCOMPARE(form.field(Field{11})->accessibleName(), QString("md1 待定点 点位中误差"));
    QCOMPARE(form.field(Field{5, 0})->geometry(), QRect(184, 311, 89, 18));
    QVERIFY(!form.command(1)->autoDefault() && !form.command(1)->isDefault());

    // Resizing moves and scales nothing.
    const QRect before = form.field(Field{24})->geometry();
    form.resize(400, 300);
    QCOMPARE(form.field(Field{24})->geometry(), before);
  }

  void workedRunThroughTheRealWindow() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    PromptAnswerer answerer(workedRunReplies());
    // While the re-entry prompt of Xa is open its field shows one blank,
    // and the main window takes no input.
    answerer.onPrompt = [&](PromptDialog* dialog) {
      if (dialog->messageLabel()->text() == "输入起始点 A 正确的纵座标 Xa:") {
        QCOMPARE(text(form, 1), QString(" "));
        QCOMPARE(QApplication::activeModalWidget(), dialog);
      }
    };
    QTest::mouseClick(form.command(1), Qt::LeftButton);

    QVERIFY2(answerer.problems.isEmpty(), qPrintable(answerer.problems.join("\n")));
    QVERIFY(answerer.done());
    QVERIFY(answerer.stopMessages.isEmpty());
    QCOMPARE(answerer.messages.size(), 32);
    QCOMPARE(
        answerer.messages[3],
        QString("这次输入的起始点 A 的纵座标 Xa是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter "
                "键或 OK 键 );  输入错误按零( 即:0 )"));

    const std::pair<Field, const char*> expected[] = {
        {{1}, " 1000"},       {{2}, " 1000"},       {{3}, " 1000"},       {{4}, " 2000"},
        {{5, 0}, " 45.0004"}, {{5, 1}, " 45.0000"}, {{5, 2}, " 45.0000"}, {{5, 3}, " 45.0000"},
        {{5, 4}, " 45.0000"}, {{5, 5}, " 45.0000"}, {{5, 6}, " 45.0000"}, {{5, 7}, " 45.0002"},
        {{6}, " 4秒"},        {{7}, " 2秒"},        {{8}, " 3秒"},        {{9}, "4.21单位"},
        {{10}, "1.29秒"},     {{11}, "4.43毫米"},   {{12}, "4.43毫米"},   {{25}, " 1.92单位"},
        {{26}, "1/225953"},   {{13}, " P1"},        {{14}, " 1500.005"},  {{15}, " 1499.995"},
        {{16}, " B"},         {{17}, " 1000"},      {{18}, " 2000"},      {{19}, " P2"},
        {{20}, " 499.998"},   {{21}, " 1499.998"},  {{22}, " A"},         {{23}, " 1000"},
        {{24}, " 1000"}};
    for (const auto& [field, shown] : expected)
      QCOMPARE(form.field(field)->text(), QString::fromUtf8(shown));
    QCOMPARE(form.label(40)->text(), QString("b(4)"));  // captions stay
    QCOMPARE(form.label(41)->text(), QString("b(5)"));
  }

  void stoppedCalculationKeepsTheFieldsAndTheWindowWaits() {
    Form1 form;
    form.show();
    {
      PromptAnswerer first(workedRunReplies());
      QTest::mouseClick(form.command(1), Qt::LeftButton);
      QVERIFY(first.done());
    }
    // The third angle 0°: its triangle closes, so it is still 0° after the
    // first group and has no cotangent.
    std::deque<QString> replies = {"1000", "", "1000", "",  "1000", "",
                                   "2000", "", "a",    "b", "c",    "d"};
    for (const char* angle : {"45", "90", "0", "45", "45", "45", "45", "45"})
      replies.insert(replies.end(), {angle, ""});
    {
      PromptAnswerer answerer(replies);
      QTest::mouseClick(form.command(1), Qt::LeftButton);
      QVERIFY(answerer.done());
      QCOMPARE(answerer.stopMessages.size(), 1);
      QVERIFY2(answerer.stopMessages[0].contains("b(3)"), qPrintable(answerer.stopMessages[0]));
    }
    QCOMPARE(text(form, 5, 2), QString(" 0"));
    QCOMPARE(text(form, 6), QString(" 0秒"));
    QCOMPARE(text(form, 7), QString(" 0秒"));
    QCOMPARE(text(form, 9), QString("4.21单位"));  // earlier texts stay
    QCOMPARE(text(form, 13), QString(" P1"));
    QCOMPARE(text(form, 26), QString("1/225953"));

    PromptAnswerer again(workedRunReplies());
    QTest::mouseClick(form.command(1), Qt::LeftButton);
    QVERIFY(again.done());
    QVERIFY(again.stopMessages.isEmpty());
    QCOMPARE(text(form, 6), QString(" 4秒"));
    QCOMPARE(text(form, 13), QString(" P1"));
  }

  void cancelAndEscapeGiveTheEmptyReply() {
    Form1 form;
    form.show();
    for (const int key : {int(Qt::Key_Escape), -1}) {
      QString reply = "unset";
      QTimer::singleShot(10, [&] {
        auto* dialog = qobject_cast<PromptDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QTest::keyClicks(dialog->replyEdit(), "123");
        if (key == Qt::Key_Escape)
          QTest::keyClick(dialog->replyEdit(), Qt::Key_Escape);
        else
          dialog->reject();
      });
      reply = PromptDialog::ask("请输入观测角的数值 B(i):", &form);
      QCOMPARE(reply, QString());
    }
  }

  void focusOrderAndInitialFocus() {
    Form1 form;
    form.show();
    QCOMPARE(form.focusWidget(), form.field(Field{1}));
    QStringList order;
    QWidget* w = form.field(Field{1});
    for (std::size_t i = 0; i < tabOrder().size(); ++i) {
      order << w->objectName();
      do w = w->nextInFocusChain();
      while (w->focusPolicy() == Qt::NoFocus || w == &form);
    }
    QStringList expected;
    for (const char* name : tabOrder()) expected << name;
    QCOMPARE(order, expected);
    QCOMPARE(expected.first(), QString("Text1"));
    QCOMPARE(expected.indexOf("Command1"), expected.indexOf("Text18") + 1);
    QCOMPARE(expected.indexOf("Text19"), expected.indexOf("Command2") + 1);
  }

  void twoLineCaptionsBreakAtTheirBlank() {
    Form1 form;
    form.show();
    const std::pair<int, QStringList> cases[] = {{38, {"     待定点", "点位中误差"}},
                                                 {39, {"    待定点", "点位中误差"}},
                                                 {57, {"  扩大边", "对数中误差"}},
                                                 {58, {"  扩大边", "相对中误差"}}};
    for (const auto& [number, lines] : cases) QCOMPARE(form.label(number)->lines(), lines);
    // Every other caption fits on its one line.
    for (const auto& control : labelSpecs()) {
      if (control.number == 38 || control.number == 39 || control.number == 57 || control.number == 58)
        continue;
      QVERIFY2(form.label(control.number)->lines().size() == 1, control.caption);
    }
  }

  void missingFamiliesAreReplacedByLookAlikes() {
    Form1 form;
    const std::pair<int, QString> cases[] = {{16, "Liberation Sans"},  // MS Sans Serif
                                             {12, "Liberation Sans"},  // Microsoft Sans Serif
                                             {23, "AR PL UMing"}};     // 宋体
    for (const auto& [number, family] : cases) {
      const QFontInfo info(form.label(number)->font());
      QVERIFY2(info.family().startsWith(family), qPrintable(info.family()));
      QVERIFY(info.bold());
    }
    QVERIFY(QFontInfo(form.field(Field{1})->font()).family().startsWith("AR PL UMing"));
  }

  void endEndsTheEventLoop() {
    Form1 form;
    form.show();
    QTimer::singleShot(0, form.command(2),
                       [&] { QTest::mouseClick(form.command(2), Qt::LeftButton); });
    QTimer failSafe;
    bool timedOut = false;
    failSafe.callOnTimeout([&] {
      timedOut = true;
      QApplication::exit(1);
    });
    failSafe.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!timedOut);
    QVERIFY(!form.isVisible());
  }

  void closingTheWindowEndsTheEventLoop() {
    Form1 form;
    form.show();
    QTimer::singleShot(0, &form, [&] { form.close(); });
    QTimer failSafe;
    failSafe.callOnTimeout([] { QApplication::exit(1); });
    failSafe.start(5000);
    QCOMPARE(QApplication::exec(), 0);
  }

  void spaceOnAFocusedButtonPressesIt() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.command(2)->setFocus();
    QTimer failSafe;
    failSafe.callOnTimeout([] { QApplication::exit(1); });
    failSafe.start(5000);
    QTimer::singleShot(0, [&] { QTest::keyClick(form.command(2), Qt::Key_Space); });
    QCOMPARE(QApplication::exec(), 0);
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
