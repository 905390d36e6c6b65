#pragma once
// A button wide enough for its caption in any language: a long translation in a crowded row
// would otherwise be squeezed to the width the Chinese caption needed.
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace eqbond::ui {

inline void keep_caption_readable(QPushButton* button) {
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                       button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin + 2;
    button->setMinimumWidth(std::max(button->minimumWidth(), needed));
}

}  // namespace eqbond::ui
