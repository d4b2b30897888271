#include "gui/app/HarbinetApp.h"

wxIMPLEMENT_APP(harbinet::HarbinetApp);
