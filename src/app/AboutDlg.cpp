#include "app/AboutDlg.h"

#include "resources/Templates.h"

namespace tarvel {

CAboutDlg::CAboutDlg(QWidget* parent) : TemplateDialog(res::AboutBoxTemplate(), parent) {}

}  // namespace tarvel
