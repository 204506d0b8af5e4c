#include "frmprogress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Cells as the report draws them: aqua when selected, button face for the header row,
// the text at the cell's top-left corner.
class Celldrawer : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QColor background = index.row() == 0 ? option.palette.color(QPalette::Button) : option.palette.color(QPalette::Base);
        if (option.state & QStyle::State_Selected)
            background = QColor(0x00, 0xff, 0xff);
        p->fillRect(option.rect, background);
        p->save();
        p->setClipRect(option.rect);
        QFont f = option.font;
        if (index.row() == 0)
            f.setBold(true);
        p->setFont(f);
        p->setPen(Qt::black);
        p->drawText(option.rect.adjusted(3, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
        p->restore();
        if (option.state & QStyle::State_HasFocus) {
            p->setPen(QPen(Qt::black, 1, Qt::DotLine));
            p->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
    }
};

}  // namespace

TFrmprogress::TFrmprogress(Progressgrid& grid, const Workfolder& folder, QWidget* parent)
    : QDialog(parent), grid_(grid), folder_(folder)
{
    setObjectName(QStringLiteral("Frmprogress"));
    setWindowTitle(QStringLiteral("User Progress Report"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    resize(980, 480);

    sgrprogress = new QTableWidget(this);
    sgrprogress->setObjectName(QStringLiteral("sgrprogress"));
    sgrprogress->setAccessibleName(QStringLiteral("Progress Report/Rekod Pencapaian"));
    sgrprogress->horizontalHeader()->hide();
    sgrprogress->verticalHeader()->hide();
    sgrprogress->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgrprogress->setSelectionMode(QAbstractItemView::ContiguousSelection);
    sgrprogress->setItemDelegate(new Celldrawer(sgrprogress));
    sgrprogress->setShowGrid(true);

    auto* btnok = new QPushButton(QStringLiteral("OK"), this);
    btnok->setObjectName(QStringLiteral("btnok"));
    btnok->setDefault(true);
    connect(btnok, &QPushButton::clicked, this, [this] {
        hide();
        emit closedbyok();
    });

    lblwarning = new QLabel(this);
    lblwarning->setObjectName(QStringLiteral("lblwarning"));
    lblwarning->setWordWrap(true);
    lblwarning->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    lblwarning->hide();

    auto* all = new QVBoxLayout(this);
    all->addWidget(lblwarning);
    all->addWidget(sgrprogress);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(btnok);
    all->addLayout(row);
}

void TFrmprogress::showEvent(QShowEvent* event)
{
    loadgrid();
    QDialog::showEvent(event);
}

void TFrmprogress::loadgrid()
{
    grid_.load(folder_);  // missing or unreadable: the table keeps what it held
    // English and Malay on lines of their own.
    const QString warning = QString::fromStdString(grid_.warning()).replace(QStringLiteral("./"), QStringLiteral(".\n"));
    lblwarning->setText(warning);
    lblwarning->setAccessibleName(warning);
    lblwarning->setVisible(!warning.isEmpty());
    filltable();
}

void TFrmprogress::filltable()
{
    const int columns = Progressgrid::columncount;
    sgrprogress->setColumnCount(columns);
    sgrprogress->setRowCount(grid_.rowcount());
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < grid_.rowcount(); ++r) {
            auto* item = new QTableWidgetItem(QString::fromStdString(grid_.cell(c, r)));
            sgrprogress->setItem(r, c, item);
        }
    // Columns 0, 1, 5, 9, 13 and 14 keep the widths the file gives; the rest the default.
    // Never narrower than the header text, so every column can be read.
    static const int sized[6] = {0, 1, 5, 9, 13, 14};
    sgrprogress->resizeColumnsToContents();
    for (int c = 0; c < columns; ++c)
        sgrprogress->setColumnWidth(c, std::max(sgrprogress->columnWidth(c) * 6 / 5 + 8, 48));
    for (int i = 0; i < 6; ++i)
        sgrprogress->setColumnWidth(sized[i], std::max(sgrprogress->columnWidth(sized[i]), grid_.widths[i]));
}
