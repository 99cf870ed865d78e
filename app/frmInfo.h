// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report window: docked at the main window's right, it shows the day report of the chosen
// day in a read-only, selectable text box. The user cannot close it; it goes only with the
// main window, or is hidden by it.

#include <QWidget>

class QPlainTextEdit;

class frmInfo final : public QWidget {
    Q_OBJECT
public:
    explicit frmInfo(QWidget* owner);

    // Replaces the whole report text.
    void setReport(const QString& text);
    QString report() const;
    // Closes the window for good (the main window is closing).
    void unload();
    // The outer (frame) rectangle is what the main window docks; the client height follows it.
    void setOuterGeometry(const QRect& outerPixels);

signals:
    // The window was moved by someone other than the main window's docking.
    void moved();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void Form_Resize();

    QPlainTextEdit* Text1;
    bool unloading_ = false;
};
