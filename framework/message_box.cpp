#include "framework/message_box.h"

#include <QMessageBox>
#include <utility>

namespace framework {
namespace {

int ShowModalBox(QWidget* owner, const CString& text, const CString& caption, UINT type)
{
    MakeMessageBox(owner, text, caption, type)->exec();
    return IDOK;
}

MessagePresenter& Presenter()
{
    static MessagePresenter presenter = ShowModalBox;
    return presenter;
}

}  // namespace

MessagePresenter SetMessagePresenter(MessagePresenter presenter)
{
    return std::exchange(Presenter(), std::move(presenter));
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const CString& text,
                                            const CString& caption, UINT type)
{
    auto box = std::make_unique<QMessageBox>(owner);
    box->setWindowTitle(caption);
    // A message may quote what the user typed or a program passed: shown as written,
    // never read as markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setIcon((type & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION ? QMessageBox::Warning
                                                                   : QMessageBox::NoIcon);
    box->setStandardButtons(QMessageBox::Ok);
    // Left to itself a window manager may give the box minimise and maximise buttons,
    // which a message has no use for.
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint);
    return box;
}

int MessageBox(QWidget* owner, const CString& text, const CString& caption, UINT type)
{
    return Presenter()(owner, text, caption, type);
}

}  // namespace framework
