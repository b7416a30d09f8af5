// Every text the program shows stands out from what is painted behind it, in
// both looks: the main window's pages with their menus, the settings dialog's
// tabs, the About box and the small dialogs. Each surface is grabbed as shown
// and again with every text drawn transparent; a text's most contrasting
// pixel is compared with the same pixel of the bare surface.

#include "WindowTestSupport.h"

#include "AboutDlg.h"
#include "ApplicationLook.h"
#include "ChosenLanguage.h"
#include "CreditsDialog.h"
#include "ListWidgetPelm.h"
#include "SettingsDlg.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>

using windowtest::WindowRig;

// Qt's own balloon of tray messages (shown where the desktop has no
// notification service) is private to Qt and appears only beside a tray,
// which the offscreen platform has none of. This one stands in for it,
// built as Qt builds it, under the class name a style sheet selects it by.
class QBalloonTip : public QWidget {
    Q_OBJECT

public:
    QBalloonTip(const QString& title, const QString& message) : QWidget(nullptr, Qt::ToolTip)
    {
        auto* titleLabel = new QLabel(title);
        QFont bold = titleLabel->font();
        bold.setBold(true);
        titleLabel->setFont(bold);
        auto* messageLabel = new QLabel(message);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(3, 3, 3, 3);
        layout->addWidget(titleLabel);
        layout->addWidget(messageLabel);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(0xff, 0xff, 0xe1));
        colours.setColor(QPalette::WindowText, Qt::black);
        setPalette(colours);
        setAutoFillBackground(true);
    }
};

namespace {

// More than one page of sketches, so that the page strip shows.
QStringList manySketches()
{
    QStringList names;
    for (int i = 0; i < 52; ++i)
        names << QStringLiteral("sketch_%1.%2").arg(i, 2, 10, QLatin1Char('0')).arg(i % 2 ? "wpi" : "hlv");
    return names;
}

constexpr double kLeastContrast = 3.0;

// Relative luminance of an sRGB colour.
double luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
        0.0722 * linear(qBlue(colour));
}

double contrast(QRgb first, QRgb second)
{
    const double a = luminance(first) + 0.05;
    const double b = luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

// Draws every text of a widget and its children transparent; the widget's
// own style sheet wins over those of its parents and of the application.
const QString kTransparentTexts = QStringLiteral(
    "\n* { color: transparent; selection-color: transparent; }"
    " QMenu::item, QMenu::item:selected, QMenu::item:disabled,"
    " QMenuBar::item, QMenuBar::item:selected, QMenuBar::item:disabled,"
    " QTabBar::tab, QTabBar::tab:selected, QTabBar::tab:disabled,"
    " QGroupBox::title, QGroupBox::title:disabled,"
    " QAbstractItemView::item, QAbstractItemView::item:selected,"
    " *:disabled, *:hover, *:pressed, *:checked { color: transparent; }");

// A text on a surface and where it is painted, in the surface's coordinates.
struct TextSpot {
    QString name;
    QRect area;
    // Set when something is painted over the text.
    QString coveredBy;
    // Set for a text shown whole on one line: it and its font, so that the
    // ink it leaves can be compared with the ink it leaves drawn alone.
    QString wholeText = QString();
    QFont font = QFont();
};

QString nameOf(const QWidget* widget, const QString& text)
{
    const QString name = widget->objectName().isEmpty()
        ? QString::fromLatin1(widget->metaObject()->className())
        : widget->objectName();
    return QStringLiteral("%1 \"%2\"").arg(name, text.simplified().left(40));
}

QRect areaOn(const QWidget* surface, const QWidget* widget, const QRect& local)
{
    const QRect visible = local & widget->visibleRegion().boundingRect();
    return QRect(widget->mapTo(surface, visible.topLeft()), visible.size());
}

QRect groupTitleRect(const QGroupBox* box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    if (box->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
}

// The first child of the box painted over its title, if any.
QString childOverTitle(const QGroupBox* box, const QRect& title)
{
    for (const QWidget* child : box->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child->geometry().intersects(title))
            return nameOf(child, QString());
    }
    return QString();
}

// True when the label shows its text whole on one line.
bool showsOneWholeLine(const QLabel* label)
{
    const QString text = label->text();
    return !label->wordWrap() && !text.contains(QLatin1Char('\n')) && !Qt::mightBeRichText(text)
        && label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width();
}

bool showsText(const QAbstractButton* button)
{
    if (button->text().isEmpty())
        return false;
    const auto* tool = qobject_cast<const QToolButton*>(button);
    return !tool || tool->icon().isNull() || tool->toolButtonStyle() != Qt::ToolButtonIconOnly;
}

// The rows of the view that show whole, the first dozen of them.
void addItemRows(const QWidget* surface, const QAbstractItemView* view, QList<TextSpot>& spots)
{
    const QRect viewport = view->viewport()->rect();
    QList<QModelIndex> rows;
    if (const auto* tree = qobject_cast<const QTreeView*>(view)) {
        for (QModelIndex index = tree->indexAt(QPoint(2, 2)); index.isValid() && rows.size() < 12;
             index = tree->indexBelow(index)) {
            if (viewport.contains(view->visualRect(index)))
                rows << index;
        }
    } else {
        const QAbstractItemModel* model = view->model();
        for (int row = 0; model && row < model->rowCount(view->rootIndex()) && rows.size() < 12; ++row) {
            const QModelIndex index = model->index(row, 0, view->rootIndex());
            if (viewport.contains(view->visualRect(index)))
                rows << index;
        }
    }
    for (const QModelIndex& index : rows) {
        const QString text = index.data().toString();
        if (!text.isEmpty())
            spots.append({nameOf(view, text), areaOn(surface, view->viewport(), view->visualRect(index)), {}});
    }
}

QList<TextSpot> textSpots(QWidget* surface)
{
    QList<TextSpot> spots;
    QList<QWidget*> widgets = surface->findChildren<QWidget*>();
    widgets.prepend(surface);
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || widget->visibleRegion().isEmpty())
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (!label->text().trimmed().isEmpty() && label->pixmap().isNull()) {
                TextSpot spot{nameOf(label, label->text()), areaOn(surface, label, label->rect()), {}};
                if (showsOneWholeLine(label)) {
                    spot.wholeText = label->text();
                    spot.font = label->font();
                }
                spots.append(spot);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (showsText(button))
                spots.append({nameOf(button, button->text()), areaOn(surface, button, button->rect()), {}});
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            if (!box->title().isEmpty()) {
                const QRect title = groupTitleRect(box);
                spots.append({nameOf(box, box->title()), areaOn(surface, box, title), childOverTitle(box, title),
                              box->title(), box->font()});
            }
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                spots.append({nameOf(tabs, tabs->tabText(i)), areaOn(surface, tabs, tabs->tabRect(i)), {}});
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* action : bar->actions()) {
                if (action->isVisible() && !action->text().isEmpty())
                    spots.append({nameOf(bar, action->text()),
                                  areaOn(surface, bar, bar->actionGeometry(action)), {}});
            }
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            for (QAction* action : menu->actions()) {
                if (action->isVisible() && !action->isSeparator() && !action->text().isEmpty())
                    spots.append({nameOf(menu, action->text()),
                                  areaOn(surface, menu, menu->actionGeometry(action)), {}});
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            if (!combo->currentText().isEmpty())
                spots.append({nameOf(combo, combo->currentText()), areaOn(surface, combo, combo->rect()), {}});
        } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            if (!line->text().isEmpty())
                spots.append({nameOf(line, line->text()), areaOn(surface, line, line->rect()), {}});
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
            if (!plain->toPlainText().isEmpty())
                spots.append({nameOf(plain, plain->toPlainText()),
                              areaOn(surface, plain->viewport(), plain->viewport()->rect()), {}});
        } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
            if (!rich->toPlainText().isEmpty())
                spots.append({nameOf(rich, rich->toPlainText()),
                              areaOn(surface, rich->viewport(), rich->viewport()->rect()), {}});
        } else if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            addItemRows(surface, view, spots);
        }
    }
    return spots;
}

// Draws the surface's texts transparent while it lives.
class TransparentTexts {
public:
    explicit TransparentTexts(QWidget* surface)
    {
        QList<QWidget*> widgets = surface->findChildren<QWidget*>();
        widgets.prepend(surface);
        for (QWidget* widget : widgets) {
            const QString sheet = widget->styleSheet();
            if (widget != surface && sheet.isEmpty())
                continue;
            sheets.append({widget, sheet});
            // A sheet of bare declarations takes one more declaration only.
            const bool bare = !sheet.isEmpty() && !sheet.contains(QLatin1Char('{'));
            widget->setStyleSheet(bare ? sheet + QStringLiteral(";color: transparent; selection-color: transparent;")
                                       : sheet + kTransparentTexts);
        }
    }
    ~TransparentTexts()
    {
        for (const auto& [widget, sheet] : sheets)
            widget->setStyleSheet(sheet);
    }
    TransparentTexts(const TransparentTexts&) = delete;
    TransparentTexts& operator=(const TransparentTexts&) = delete;

private:
    QList<std::pair<QPointer<QWidget>, QString>> sheets;
};

// The contrast of the text's most contrasting pixel with the pixel beneath
// it, for each line of the text: runs of rows where the text left a trace.
// A line without any trace counts 1; an area without any trace is one such line.
QList<double> lineContrasts(const QImage& shown, const QImage& bare, const QRect& area)
{
    QList<double> lines;
    bool inLine = false;
    const QRect inside = area & shown.rect() & bare.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        double row = 0.0;
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb text = shown.pixel(x, y);
            const QRgb ground = bare.pixel(x, y);
            if (text != ground)
                row = std::max(row, contrast(text, ground));
        }
        if (row == 0.0) {
            inLine = false;
            continue;
        }
        if (!inLine)
            lines.append(row);
        lines.last() = std::max(lines.last(), row);
        inLine = true;
    }
    if (lines.isEmpty())
        lines.append(1.0);
    return lines;
}

// The first and last rows of the image that hold a pixel unlike the
// ground, within `area`; an empty range (last < first) without any.
std::pair<int, int> inkRows(const QImage& image, const QImage& ground, const QRect& area)
{
    int first = area.bottom() + 1;
    int last = area.top() - 1;
    const QRect inside = area & image.rect() & ground.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image.pixel(x, y) != ground.pixel(x, y)) {
                first = std::min(first, y);
                last = std::max(last, y);
                break;
            }
        }
    }
    return {first, last};
}

// How many rows the text's ink covers when drawn alone, unclipped, in `font`.
int wholeInkHeight(const QString& text, const QFont& font)
{
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(text) + 2 * metrics.height(), 4 * metrics.height());
    QImage ground(size, QImage::Format_ARGB32_Premultiplied);
    ground.fill(Qt::white);
    QImage drawn = ground;
    QPainter painter(&drawn);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(metrics.height(), metrics.height()), size), Qt::TextDontClip | Qt::TextHideMnemonic,
                     text);
    painter.end();
    const auto [first, last] = inkRows(drawn, ground, drawn.rect());
    return last - first + 1;
}

// The surface as shown and with its texts drawn transparent.
struct TextGrabs {
    explicit TextGrabs(QWidget* surface)
    {
        QApplication::sendPostedEvents();
        shown = surface->grab().toImage();
        TransparentTexts transparent(surface);
        bare = surface->grab().toImage();
    }
    QImage shown;
    QImage bare;
};

// The colour of the text's pixel that stands out most from its ground.
QColor strongestTextColour(const TextGrabs& grabs, const QRect& area)
{
    double best = 1.0;
    QColor colour;
    const QRect inside = area & grabs.shown.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const double ratio = contrast(grabs.shown.pixel(x, y), grabs.bare.pixel(x, y));
            if (ratio > best) {
                best = ratio;
                colour = grabs.shown.pixelColor(x, y);
            }
        }
    }
    return colour;
}

// How far the area's most striking pixel stands out from the colour that
// most of the area shows.
double standOut(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            ground = it.key();
        }
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(it.key(), ground));
    return best;
}

// The texts of the surface that do not stand out, as readable lines.
QStringList unreadableTexts(QWidget* surface)
{
    QApplication::sendPostedEvents();
    const QList<TextSpot> spots = textSpots(surface);
    const TextGrabs grabs(surface);
    QStringList failures;
    for (const TextSpot& spot : spots) {
        const QList<double> lines = lineContrasts(grabs.shown, grabs.bare, spot.area);
        const double weakest = *std::min_element(lines.begin(), lines.end());
        if (weakest < kLeastContrast)
            failures << QStringLiteral("%1: contrast %2").arg(spot.name).arg(weakest, 0, 'f', 2);
        if (!spot.coveredBy.isEmpty())
            failures << QStringLiteral("%1: covered by %2").arg(spot.name, spot.coveredBy);
        if (!spot.wholeText.isEmpty()) {
            const auto [first, last] = inkRows(grabs.shown, grabs.bare, spot.area);
            const int shown = last - first + 1;
            const int whole = wholeInkHeight(spot.wholeText, spot.font);
            if (shown < whole)
                failures << QStringLiteral("%1: cut off, %2 of %3 rows shown").arg(spot.name).arg(shown).arg(whole);
        }
    }
    return failures;
}

// Pops the menu up, reads it and closes it again.
QStringList unreadableMenuTexts(QMenu* menu, const QPoint& at)
{
    menu->popup(at);
    if (!QTest::qWaitForWindowExposed(menu))
        return {QStringLiteral("%1 did not open").arg(menu->title())};
    QStringList failures = unreadableTexts(menu);
    menu->hide();
    return failures;
}

QStringList unreadableMenuBar(QMainWindow& window)
{
    QStringList failures = unreadableTexts(&window);
    for (QAction* action : window.menuBar()->actions()) {
        if (QMenu* menu = action->menu())
            failures += unreadableMenuTexts(menu, window.mapToGlobal(QPoint(40, 40)));
    }
    return failures;
}

// Runs `open` and reads the modal dialog of type Dialog that it shows, then
// closes the dialog.
template <class Dialog>
QStringList unreadableModal(const std::function<void()>& open,
                            const std::function<QStringList(Dialog*)>& read =
                                [](Dialog* dialog) { return unreadableTexts(dialog); })
{
    QStringList failures{QStringLiteral("no dialog opened")};
    testsupport::whenModal<Dialog>([&](Dialog* dialog) {
        failures = QTest::qWaitForWindowExposed(dialog) ? read(dialog)
                                                        : QStringList{QStringLiteral("dialog not shown")};
        dialog->reject();
    });
    open();
    return failures;
}

QStringList unreadableShown(QWidget& dialog)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return {QStringLiteral("dialog not shown")};
    QStringList failures = unreadableTexts(&dialog);
    dialog.hide();
    return failures;
}

} // namespace

class TestReadability : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextStandsOut_data();
    void everyTextStandsOut();
    void disabledMenuEntriesLookDisabled();
    void documentArrowsShowWhichWayIsOpen();
    // Last: it builds the window anew in each language.
    void theEditorReadsInEveryScript_data();
    void theEditorReadsInEveryScript();

private:
    QStringList browserPage();
    QStringList browserMenus();
    QStringList editorPage(int tab);
    QStringList editorMenus();
    QStringList settingsTab(int tab);
    QStringList aboutBox();
    QStringList nameDialogs();
    QStringList messages();
    QStringList trayMessage();
    QStringList choosers();
    bool openEditor();
    void backToBrowser();

    std::unique_ptr<WindowRig> rig;
};

void TestReadability::initTestCase()
{
    rig = std::make_unique<WindowRig>(manySketches());
    QVERIFY(rig->start());
    QVERIFY(QTest::qWaitForWindowActive(rig->window.get()));
    rig->window->resize(1300, 900);
    rig->thumbnails()->setCurrentRow(0);
}

void TestReadability::everyTextStandsOut_data()
{
    QTest::addColumn<QString>("look");
    QTest::addColumn<QString>("view");
    const QStringList views{"browser page", "browser menus", "editor page", "editor player tab",
                            "editor menus", "settings Mapping", "settings Pen",
                            "settings Click Threshold", "settings General", "About box",
                            "name dialogs", "messages", "tray message", "choosers"};
    for (const char* look : {kStartStyleSheet, kAlternativeStyleSheet}) {
        for (const QString& view : views)
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QFileInfo(look).baseName(), view)))
                << QString::fromLatin1(look) << view;
    }
}

void TestReadability::everyTextStandsOut()
{
    QFETCH(QString, look);
    QFETCH(QString, view);
    QVERIFY(applyApplicationLook(look));
    QStringList failures;
    if (view == "browser page")
        failures = browserPage();
    else if (view == "browser menus")
        failures = browserMenus();
    else if (view == "editor page")
        failures = editorPage(0);
    else if (view == "editor player tab")
        failures = editorPage(1);
    else if (view == "editor menus")
        failures = editorMenus();
    else if (view.startsWith("settings "))
        failures = settingsTab(QStringList{"Mapping", "Pen", "Click Threshold", "General"}.indexOf(
            view.mid(QStringLiteral("settings ").size())));
    else if (view == "About box")
        failures = aboutBox();
    else if (view == "name dialogs")
        failures = nameDialogs();
    else if (view == "messages")
        failures = messages();
    else if (view == "tray message")
        failures = trayMessage();
    else if (view == "choosers")
        failures = choosers();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

bool TestReadability::openEditor()
{
    if (rig->window->currentPage() == 1)
        return true;
    return rig->open(QStringLiteral("sketch_01.wpi"));
}

void TestReadability::backToBrowser()
{
    if (rig->window->currentPage() == 1)
        rig->editor()->m_back2preview_btn->click();
}

QStringList TestReadability::browserPage()
{
    backToBrowser();
    return unreadableTexts(rig->window.get());
}

QStringList TestReadability::browserMenus()
{
    backToBrowser();
    QStringList failures = unreadableMenuBar(*rig->window);
    // The thumbnails' context menu.
    PreviewThumbnailList* thumbnails = rig->thumbnails();
    thumbnails->setCurrentRow(0);
    thumbnails->scrollToTop();
    const QPoint inside = thumbnails->visualItemRect(thumbnails->item(0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, thumbnails->viewport()->mapToGlobal(inside));
    QApplication::sendEvent(thumbnails->viewport(), &event);
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        failures += QTest::qWaitForWindowExposed(menu) ? unreadableTexts(menu)
                                                       : QStringList{QStringLiteral("menu not shown")};
        menu->hide();
    } else {
        failures << QStringLiteral("no thumbnail menu");
    }
    return failures;
}

QStringList TestReadability::editorPage(int tab)
{
    if (!openEditor())
        return {QStringLiteral("editor not opened")};
    rig->editor()->m_groups_tab->setCurrentIndex(tab);
    QStringList failures = unreadableTexts(rig->window.get());
    rig->editor()->m_groups_tab->setCurrentIndex(0);
    return failures;
}

QStringList TestReadability::editorMenus()
{
    if (!openEditor())
        return {QStringLiteral("editor not opened")};
    LayerManager* editor = rig->editor();
    QStringList failures = unreadableMenuBar(*rig->window);
    failures += unreadableMenuTexts(editor->viewContextMenu(), editor->mapToGlobal(QPoint(300, 300)));
    failures += unreadableMenuTexts(editor->layerList()->contextMenu(), editor->mapToGlobal(QPoint(60, 100)));
    return failures;
}

QStringList TestReadability::settingsTab(int tab)
{
    backToBrowser();
    return unreadableModal<SettingsDlg>(
        [this] { rig->action("actionPreferences")->trigger(); },
        [tab](SettingsDlg* dialog) {
            dialog->findChild<QTabWidget*>("m_settings_tab")->setCurrentIndex(tab);
            return unreadableTexts(dialog);
        });
}

QStringList TestReadability::aboutBox()
{
    backToBrowser();
    return unreadableModal<AboutDlg>([this] { rig->action("actionAbout")->trigger(); });
}

QStringList TestReadability::nameDialogs()
{
    backToBrowser();
    PreviewThumbnailList* thumbnails = rig->thumbnails();
    thumbnails->setCurrentRow(0);
    QStringList failures =
        unreadableModal<QInputDialog>([thumbnails] { thumbnails->renameFileSlot(); });
    if (!openEditor())
        return failures << QStringLiteral("editor not opened");
    LayerManager* editor = rig->editor();
    failures += unreadableModal<QInputDialog>([editor] { editor->showEditTagSlot(); });
    QListWidget* layers = editor->layerList();
    const QPoint row = layers->visualItemRect(layers->item(0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, row, layers->viewport()->mapToGlobal(row));
    QApplication::sendEvent(layers->viewport(), &event);
    if (QMenu* menu = editor->layerList()->contextMenu(); menu->isVisible())
        menu->hide();
    failures += unreadableModal<QInputDialog>([editor] { editor->renameCurrentLayerSlot(); });
    return failures;
}

QStringList TestReadability::messages()
{
    backToBrowser();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Scrivet Dravello"),
                    QStringLiteral("Unable to save file"), QMessageBox::Ok | QMessageBox::Cancel,
                    rig->window.get());
    QStringList failures = unreadableShown(box);
    QProgressDialog progress(QStringLiteral("Saving document"), QString(), 0, 8, rig->window.get());
    progress.setValue(3);
    failures += unreadableShown(progress);
    // The credits that end the About box's credits panel.
    failures += unreadableModal<QMessageBox>(
        [this] { Dialog::aboutUs(rig->window.get(), QStringLiteral("Credits")); });
    return failures;
}

QStringList TestReadability::trayMessage()
{
    QBalloonTip balloon(QStringLiteral("Scrivet Dravello"),
                        QStringLiteral("Unit was shut down due to low battery."));
    return unreadableShown(balloon);
}

QStringList TestReadability::choosers()
{
    backToBrowser();
    QFileDialog files(rig->window.get(), QStringLiteral("Open File"), rig->documents());
    files.setOption(QFileDialog::DontUseNativeDialog);
    QStringList failures = unreadableShown(files);
    QColorDialog colours(Qt::black, rig->window.get());
    colours.setOption(QColorDialog::DontUseNativeDialog);
    failures += unreadableShown(colours);
    return failures;
}

void TestReadability::disabledMenuEntriesLookDisabled()
{
    QVERIFY(applyApplicationLook(kAlternativeStyleSheet));
    QVERIFY(openEditor());
    QAction* open = rig->action("action_Open");
    QAction* save = rig->action("m_actionSave");
    QVERIFY(open->isEnabled());
    QVERIFY(!save->isEnabled());
    QMenu* file = rig->part<QMenu>("menuFile");
    file->popup(rig->window->mapToGlobal(QPoint(40, 40)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    const TextGrabs grabs(file);
    const QColor enabled = strongestTextColour(grabs, file->actionGeometry(open));
    const QColor disabled = strongestTextColour(grabs, file->actionGeometry(save));
    file->hide();
    QVERIFY(enabled.isValid() && disabled.isValid());
    QVERIFY2(contrast(enabled.rgb(), disabled.rgb()) >= 1.5,
             qPrintable(enabled.name() + " enabled, " + disabled.name() + " disabled"));
}

void TestReadability::documentArrowsShowWhichWayIsOpen()
{
    QVERIFY(applyApplicationLook(kAlternativeStyleSheet));
    backToBrowser();
    rig->thumbnails()->setCurrentRow(0);
    rig->thumbnails()->selectThumbnail();
    LayerManager* editor = rig->editor();
    QCOMPARE(rig->window->currentPage(), 1);
    QVERIFY(!editor->m_back_btn->isEnabled());
    QVERIFY(editor->m_forward_btn->isEnabled());
    QApplication::sendPostedEvents();
    const QImage window = rig->window->grab().toImage();
    const double open = standOut(window, areaOn(rig->window.get(), editor->m_forward_btn,
                                                editor->m_forward_btn->rect()));
    const double closed = standOut(window, areaOn(rig->window.get(), editor->m_back_btn,
                                                  editor->m_back_btn->rect()));
    QVERIFY2(open >= kLeastContrast && closed < open,
             qPrintable(QStringLiteral("enabled %1, disabled %2").arg(open).arg(closed)));
    backToBrowser();
}

void TestReadability::theEditorReadsInEveryScript_data()
{
    QTest::addColumn<QString>("look");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("writingSystem");
    const QList<std::pair<const char*, QFontDatabase::WritingSystem>> languages{
        {"German", QFontDatabase::Latin},
        {"Japanese", QFontDatabase::Japanese},
        {"Chinese Simplified", QFontDatabase::SimplifiedChinese},
        {"Chinese Traditional", QFontDatabase::TraditionalChinese}};
    for (const char* look : {kStartStyleSheet, kAlternativeStyleSheet}) {
        for (const auto& [language, writingSystem] : languages)
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QFileInfo(look).baseName(), language)))
                << QString::fromLatin1(look) << QString::fromLatin1(language) << int(writingSystem);
    }
}

// The editor page, its player tab and its menus, with the language chosen
// in the settings on a system of another language, as the start-up does it.
void TestReadability::theEditorReadsInEveryScript()
{
    QFETCH(QString, look);
    QFETCH(QString, language);
    QFETCH(int, writingSystem);
    QVERIFY2(!QFontDatabase::families(QFontDatabase::WritingSystem(writingSystem)).isEmpty(),
             "no font for the language's script is installed");
    rig.reset();
    const testsupport::ChosenLanguage chosen(language);
    QVERIFY2(chosen.loaded(), "the language's catalogue did not load");
    // The window goes before its language.
    const auto closeWindow = qScopeGuard([this] { rig.reset(); });
    rig = std::make_unique<WindowRig>(manySketches());
    QVERIFY(rig->start());
    rig->window->resize(1300, 900);
    QVERIFY(applyApplicationLook(look));

    const QStringList failures = editorPage(0) + editorPage(1) + editorMenus();

    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
