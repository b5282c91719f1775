#include "SnoozedLines.h"

#include "engine/Snoozes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SnoozedLines::SnoozedLines(Snoozes& snoozes, QWidget* parent) : QWidget(parent), m_snoozes(snoozes)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    refresh();
}

void SnoozedLines::refresh()
{
    const QList<Snoozes::Snooze>& all = m_snoozes.all();
    while (rows.size() < all.size()) {
        const qsizetype index = rows.size();
        Row row{new QWidget(this), nullptr, nullptr};
        row.label = new QLabel(row.row);
        // The line carries the user's own description.
        row.label->setTextFormat(Qt::PlainText);
        row.label->setWordWrap(true);
        row.cancel = new QPushButton(tr("Cancel Snooze"), row.row);
        connect(row.cancel, &QPushButton::clicked, this, [this, index] {
            if (index < m_snoozes.all().size())
                m_snoozes.cancel(m_snoozes.all().at(index));
        });
        auto* layout = new QHBoxLayout(row.row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(row.label, 1);
        layout->addWidget(row.cancel);
        m_layout->addWidget(row.row);
        rows.append(row);
    }
    for (qsizetype i = 0; i < rows.size(); ++i) {
        rows[i].row->setHidden(i >= all.size());
        if (i < all.size()) {
            rows[i].label->setText(Snoozes::waitingText(all[i]));
            // Several rows have buttons of one name; a screen reader tells them apart by this.
            rows[i].cancel->setAccessibleDescription(rows[i].label->text());
        }
    }
    setHidden(all.isEmpty());
}
