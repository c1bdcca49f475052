#include "app/ui/LayrailApp.h"

wxIMPLEMENT_APP(layrail::LayrailApp);
