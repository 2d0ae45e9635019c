// Data exchange helpers for combo boxes and check boxes.
#include "data_exchange.h"

void CDataExchange::ComboIndex(int controlId, int& index) const {
    if (fromControls) {
        index = static_cast<int>(SendDlgItemMessageA(dialog, controlId, CB_GETCURSEL, 0, 0));
    } else {
        SendDlgItemMessageA(dialog, controlId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

void CDataExchange::Check(int controlId, int& state) const {
    if (fromControls) {
        state = SendDlgItemMessageA(dialog, controlId, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    } else {
        // The program treats these settings as zero or non-zero: show them that way.
        state = state != 0 ? 1 : 0;
        SendDlgItemMessageA(dialog, controlId, BM_SETCHECK, static_cast<WPARAM>(state), 0);
    }
}
