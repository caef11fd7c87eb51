#include "tests/support/start_up.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "framework/property_page.h"
#include "framework/win_app.h"
#include "sheet/TessaralDlg.h"

namespace testing_support {

BOOL RunStartUp(const std::function<void(CTessaralDlg&)>& check)
{
    QTimer::singleShot(0, [&check] {
        auto* sheet = dynamic_cast<CTessaralDlg*>(QApplication::activeModalWidget());
        if (sheet == nullptr) {
            // A failed assertion here would leave the modal loop running for ever: fail the
            // test and close whatever opened instead.
            ADD_FAILURE() << "the window is not the active modal window";
            QApplication::closeAllWindows();
            return;
        }
        sheet->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(sheet));
        check(*sheet);
        if (sheet->isVisible()) {
            static_cast<QAbstractButton*>(sheet->GetDlgItem(IDCANCEL))->click();
        }
    });
    return AfxGetApp()->InitInstance();
}

CPropertyPage& ShowTab(CTessaralDlg& sheet, int tab)
{
    EXPECT_TRUE(sheet.SetActivePage(tab)) << "tab " << tab;
    return *sheet.GetPage(tab);
}

const framework::DialogTemplate& TemplateOf(const CPropertyPage& page)
{
    return *framework::FindDialogTemplate(static_cast<int>(page.TemplateId()));
}

int FirstControl(const CPropertyPage& page, framework::ControlKind kind, unsigned style)
{
    for (const framework::ControlTemplate& control : TemplateOf(page).controls) {
        if (control.kind == kind && (control.style & style) == style) {
            return control.id;
        }
    }
    return -1;
}

QWidget* FocusedControl(CPropertyPage& page)
{
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
        if (w->parentWidget() == &page) {
            return w;
        }
    }
    return nullptr;
}

}  // namespace testing_support
