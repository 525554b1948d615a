// The table display (mode 2) and the analysis sheet (mode 3) of the current recording.
#pragma once

#include "views/RecordingView.h"

namespace kestrova::ui {

class CTavroTableView : public RecordingView {
    Q_OBJECT
public:
    explicit CTavroTableView(const ViewContext& context, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace kestrova::ui
