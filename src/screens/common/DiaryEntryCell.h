#pragma once

#include "ui/controls/FastTableViewCell.h"

#include <QColor>
#include <QList>
#include <QStringList>
#include <memory>

class DiaryEntry;

// One diary entry drawn in a 44-point row, as the Food and Exercise tabs show them: the row
// background, the entry's image, its name in bold on the first line, and on the second line
// a run of texts from the left and another that ends at the right edge, each text in its own
// colour and all white while the row is selected. Subclasses say what the texts are.
// The cell keeps its entry; subclasses read it as the kind of entry they draw.
class DiaryEntryCell : public FastTableViewCell {
    Q_OBJECT
public:
    static constexpr int RowHeight = 44;

    // One text of a run and the room left after it.
    struct Piece {
        QString text;
        QColor color;
        int gapAfter = 0;
    };
    using Pieces = QList<Piece>;
    static QStringList texts(const Pieces& pieces);

    explicit DiaryEntryCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    void drawContentView(QPainter& painter, const QRect& rect) override;

protected:
    static constexpr int Gap = 3;
    static const QColor lightGray;
    static const QColor brown;

    template <class Entry> std::shared_ptr<Entry> entryAs() const {
        return std::static_pointer_cast<Entry>(entry_);
    }
    // Keeps the entry and redraws.
    void setEntry(std::shared_ptr<DiaryEntry> entry);
    // The second line from the left, after the image.
    virtual Pieces leftPieces() const = 0;
    // The second line's texts that end at the right edge; none while Delete shows.
    virtual Pieces rightPieces() const = 0;

private:
    std::shared_ptr<DiaryEntry> entry_;

    static void drawPieces(QPainter& painter, const Pieces& pieces, int x, int top, bool selected);
};
