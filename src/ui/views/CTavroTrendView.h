// The trend display: SpO2 and pulse-rate trends of the current recording.
#pragma once

#include "views/RecordingView.h"

namespace kestrova::ui {

class CTavroTrendView : public RecordingView {
    Q_OBJECT
public:
    explicit CTavroTrendView(const ViewContext& context, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace kestrova::ui
