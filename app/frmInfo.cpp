// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmInfo.h"

#include "core/Twips.h"
#include "platform/SongFont.h"
#include "view/WindowLayout.h"

#include <QCloseEvent>
#include <QPlainTextEdit>

frmInfo::frmInfo(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Text1(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("日程信息"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setFont(platform::songFont(9));
    setFixedSize(core::twipsToPixels(view::kInfoDesignClientTwips));
    Form_Resize();
}

void frmInfo::setReport(const QString& text) {
    Text1->setPlainText(text);
}

QString frmInfo::report() const {
    return Text1->toPlainText();
}

void frmInfo::unload() {
    unloading_ = true;
    close();
}

void frmInfo::setOuterGeometry(const QRect& outerPixels) {
    // The frame's own thickness is whatever the window system gives it.
    const QSize frameExtra = frameGeometry().size() - size();
    setFixedSize(outerPixels.width() - frameExtra.width(),
                 std::max(1, outerPixels.height() - frameExtra.height()));
    QSignalBlocker quiet(this);
    move(outerPixels.topLeft());
}

// The user's own close (button, system menu, Alt+F4) comes from the window system and is
// refused; a close by the program, its own unload or the application quitting, goes through.
void frmInfo::closeEvent(QCloseEvent* event) {
    if (unloading_ || !event->spontaneous())
        event->accept();
    else
        event->ignore();
}

void frmInfo::resizeEvent(QResizeEvent*) {
    Form_Resize();
}

void frmInfo::moveEvent(QMoveEvent*) {
    if (!signalsBlocked())
        emit moved();
}

void frmInfo::Form_Resize() {
    Text1->setGeometry(rect());
}
