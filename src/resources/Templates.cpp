#include "resources/Templates.h"

namespace tarvel::res {

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate* tmpl : {&AboutBoxTemplate(), &RecordFormTemplate(),
                                       &ModePageChoiceTemplate(), &SelectRecordTemplate(),
                                       &ModeSelectTemplate()})
        if (tmpl->id == id)
            return tmpl;
    return nullptr;
}

}  // namespace tarvel::res
