#include "framework/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>

namespace framework {
namespace {

// The family that really draws the general UI font: the desktop often names it by an
// alias ("Sans Serif") that only the fallback search resolves, so the answer of that
// one search is kept.
QString GeneralFamily()
{
    static const QString family =
        QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
    return family;
}

}  // namespace

QString ChosenFamily(const QString& family)
{
    static QHash<QString, QString> chosen;  // the widgets' thread only
    if (const auto found = chosen.constFind(family); found != chosen.constEnd()) {
        return *found;
    }
    QString installed =
        QFontDatabase::families().contains(family, Qt::CaseInsensitive) ? family : GeneralFamily();
    chosen.insert(family, installed);
    return installed;
}

}  // namespace framework
