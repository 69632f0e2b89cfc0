#pragma once

#include "framework/TemplateDialog.h"

namespace tarvel {

/// The About box: the program's icon, name and version, and the maker's notice.
class CAboutDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace tarvel
