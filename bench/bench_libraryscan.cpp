// Times LeggiDatiDisco on a logo folder of 10,000 sets against a plain sorted listing of the same
// folder, in the same run, and prints the ratio (target: at most 3).
#include "app/settings.h"
#include "benchmachine.h"
#include "benchtiming.h"
#include "library/logolist.h"
#include "library/principale.h"
#include "sets/libraryscan.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

constexpr int Sets = 10000;
using bench::medianMillis;

bool makeMachine(const QString& folder)
{
    QDir root(folder);
    const QString logos = root.filePath(QStringLiteral("drive_c/Logos"));
    if (!root.mkpath(QStringLiteral("drive_c/WINDOWS")) || !root.mkpath(logos))
        return false;
    for (int i = 0; i < Sets; ++i) {
        // Mixed case and both kinds, as a real library would have.
        const QString name = QStringLiteral("%1Set %2%3")
                                 .arg(i % 2 ? QStringLiteral("b") : QStringLiteral("A"))
                                 .arg(i, 5, 10, QLatin1Char('0'))
                                 .arg(i % 3 ? QString() : QStringLiteral(".sls"));
        if (!QDir(logos).mkdir(name))
            return false;
    }
    return bench::useMachine(folder, "Windows=C:\\WINDOWS\nTemp=C:\\WINDOWS\nProgram=C:\\Logos\n");
}

} // namespace

int main(int argc, char** argv)
{
    bench::preferOffscreen();
    QApplication application(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid() || !makeMachine(folder.path())) {
        std::printf("cannot make the test library\n");
        return 1;
    }
    settings().LogoPath = QStringLiteral("C:\\Logos\\");
    settings().DefaultLogoSet = QStringLiteral("bset 09999.SLS");

    const QString host = folder.filePath(QStringLiteral("drive_c/Logos"));
    qsizetype listed = 0;
    const double plain = medianMillis([&] {
        listed
            = QDir(host).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase).size();
    });
    const double folderScan
        = medianMillis([&] { scanLogoLibrary(settings().LogoPath, settings().DefaultLogoSet); });
    Principale window;
    const double scan = medianMillis([&] {
        settings().DefaultLogoSet = QStringLiteral("bset 09999.SLS");
        window.LeggiDatiDisco();
    });
    const double ratio = scan / plain;
    std::printf("LeggiDatiDisco of %d sets: %.1f ms, plain sorted listing (%lld entries) %.1f ms, ratio %.2f "
                "(target <= 3) %s\n",
        window.findChild<LogoList*>(QStringLiteral("MyList"))->count(), scan, static_cast<long long>(listed),
        plain, ratio, ratio <= 3 ? "ok" : "MISSED");
    std::printf("of which listing the folder through the path layer: %.1f ms\n", folderScan);
    std::printf("installed set found: %s\n",
        qPrintable(window.findChild<QLabel*>(QStringLiteral("DefaultLogo"))->text()));
    return 0;
}
