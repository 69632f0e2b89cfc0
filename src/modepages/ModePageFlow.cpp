// The way from the form's Mode Page Data button into adding or editing mode pages.
#include "form/TarvelView.h"

namespace tarvel {

void CTarvelView::OnModePageData() {}
void CTarvelView::AddNewModePage() {}
void CTarvelView::EditExistingModePages() {}

}  // namespace tarvel
