#include "framework/message_box.h"

#include <QMessageBox>
#include <utility>

namespace framework {
namespace {

int ShowModalBox(QWidget* owner, const CString& text, const CString& caption, UINT type)
{
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    // A message may quote what the user typed or a program passed: shown as written,
    // never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon((type & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION ? QMessageBox::Warning
                                                                  : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
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

int MessageBox(QWidget* owner, const CString& text, const CString& caption, UINT type)
{
    return Presenter()(owner, text, caption, type);
}

}  // namespace framework
