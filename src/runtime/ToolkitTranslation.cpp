#include "runtime/ToolkitTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace rt {

namespace {

QPointer<QTranslator> &installedTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

bool installToolkitTranslation()
{
    return installToolkitTranslation(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool installToolkitTranslation(const QString &folder)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    // The file by its whole name: QTranslator would otherwise fall back to
    // other languages' files (qtbase_zh.qm, qtbase.qm) when it is missing.
    const QString path = QDir(folder).filePath(u"qtbase_zh_CN.qm"_s);
    if (!QFileInfo(path).isFile())
        return false;
    auto *translator = new QTranslator(app);
    if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    if (QTranslator *earlier = installedTranslator()) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    installedTranslator() = translator;
    return true;
}

} // namespace rt
