// The message-box question: its caption, text, icon and buttons, and the answer it returns.

#include "platform/desktop/YesNoQuestion.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool modal = false;
};

// Asks through a real message box and answers it with `answer` once it is up.
bool askAndAnswer(QMessageBox::StandardButton answer, SeenBox& seen) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        seen = {box->windowTitle(),
                box->text(),
                box->icon(),
                box->standardButtons(),
                box->standardButton(box->defaultButton()),
                box->isModal()};
        box->button(answer)->click();
    });
    poll.start(10);
    return platform::MessageBoxQuestion().ask(QStringLiteral("提示！"), QStringLiteral("添加桌面捷方式吗？"));
}

TEST(MessageBoxQuestion, AsksWithAWarningIconYesAndNoAndReturnsTheAnswer) {
    SeenBox seen;
    EXPECT_TRUE(askAndAnswer(QMessageBox::Yes, seen));
    EXPECT_EQ(seen.title, QStringLiteral("提示！"));
    EXPECT_EQ(seen.text, QStringLiteral("添加桌面捷方式吗？"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
    EXPECT_TRUE(seen.modal);

    EXPECT_FALSE(askAndAnswer(QMessageBox::No, seen));
}

} // namespace
