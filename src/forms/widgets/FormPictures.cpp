#include "forms/widgets/FormPictures.h"

#include <QtGlobal>

// Outside any namespace, as the resource initialiser must be. The pictures live in a static
// library, which the linker would otherwise leave out.
static void initialisePictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace quillane {

void loadFormPictures() {
    initialisePictures();
}

} // namespace quillane
