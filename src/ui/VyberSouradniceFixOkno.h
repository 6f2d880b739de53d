// The find/select window of the main window's list (`TForm61`): the shared
// find/select window (VyberSouradniceOkno.h) on the identical pairs, with the
// fixation criterion (each row of a pair judged by its own fixed flag). Its
// criteria are `atributHledaniHlavni` (find, also for find next and
// previous) and `atributVyberHlavni` (select).
#pragma once

#include "ui/VyberSouradniceOkno.h"

namespace sitmera {

class TForm61 : public TvyberBoduOkno {
    Q_OBJECT
public:
    explicit TForm61(QWidget* rodic = nullptr);

protected:
    Tcil Cil() const override;
    void NastavPopisky() override;
};

// The one find/select window of the main list (created on first use).
TForm61& Form61();

}  // namespace sitmera
