#include "principale.h"

#include "logolist.h"

#include "app/attempt.h"
#include "app/hourglass.h"
#include "app/pathhelpers.h"
#include "app/settings.h"
#include "app/systemfolders.h"
#include "images/grafica.h"
#include "platform/files.h"
#include "sets/libraryscan.h"
#include "windows/picturebox.h"

#include <QLabel>

namespace
{

// A missing or unreadable screen leaves the preview empty; the tag names the file either way.
void drawScreen(PictureBox& box, const QString& path)
{
    box.setTag(path);
    const bool drawn = exists(path, platform::vbNormal) && attempt([&] {
        qint32 width = 0, height = 0;
        qint16 bitCount = 0;
        DrawPreview(path, box, width, height, bitCount);
    });
    if (!drawn)
        box.clearPicture();
}

} // namespace

void Principale::LeggiDatiDisco()
{
    Settings& s = settings();
    MyList->clear();
    QString found;
    MyList->setUpdatesEnabled(false);
    const bool listed = attempt([&] {
        const LibraryScan scan = scanLogoLibrary(s.LogoPath, s.DefaultLogoSet);
        QList<std::pair<QString, QString>> rows;
        rows.reserve(scan.sets.size());
        for (const LogoSetEntry& set : scan.sets)
            rows.append({ set.name, logoSetIconKey(set.name) });
        MyList->addItems(rows);
        found = scan.installedSet;
    });
    MyList->setUpdatesEnabled(true);
    for (PictureBox* preview : Imag)
        preview->clearPicture();
    VisualizzaNumLogo();
    if (!listed) {
        // A library that cannot be read says nothing about what is installed: the setting stays.
        DefaultLogo->setText(DontKnow);
    } else if (!found.isEmpty()) {
        SelItem(found);
        DefaultLogo->setText(found);
    } else {
        DefaultLogo->setText(DontKnow);
        s.DefaultLogoSet = DontKnow;
    }
    enableSetTools();
}

void Principale::SelItem(const QString& StringToSearch)
{
    const int row = MyList->findItem(StringToSearch);
    if (row >= 0)
        MyList->selectRow(row);
    ShowListaLogo();
}

void Principale::ShowListaLogo()
{
    const int row = MyList->selectedRow();
    if (row < 0)
        return;
    const ScopedHourglass hourglass;
    const QString name = MyList->itemText(row);
    const std::array<QString, 3> paths = logoSetScreenPaths(settings().LogoPath, name);
    QWidget* previews = Imag[0]->parentWidget();
    previews->setUpdatesEnabled(false);
    LogoType->setText(isSingleLogoSet(name) ? tr("Single logo") : tr("Multi logo"));
    for (int i = 0; i < 3; ++i)
        drawScreen(*Imag[i], paths[i]);
    previews->setUpdatesEnabled(true);
}

void Principale::VisualizzaNumLogo()
{
    const int n = MyList->count();
    // The runtime's number formatting puts a space where the sign of a negative number would go.
    const QString number = (n >= 0 ? QStringLiteral(" ") : QString()) + QString::number(n);
    NumLogo->setText(number + (n == 1 ? tr(" logo set") : tr(" logo sets")));
    if (n == 0)
        LogoType->clear();
}

void Principale::SelectAfterDelete(int index)
{
    const int n = MyList->count();
    if (n == 0) {
        for (PictureBox* preview : Imag)
            preview->clearPicture();
        return;
    }
    SelItem(MyList->itemText(index == n + 1 ? n - 1 : index - 1));
}

void Principale::itmRefresh_Click()
{
    LeggiDatiDisco();
}
