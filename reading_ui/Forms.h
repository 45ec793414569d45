#pragma once

// The reading half's windows. Each exists at most once at a time, like a
// default form instance: its accessor creates it on first use (its Load step
// runs in the constructor), and closing the window destroys it, so the next
// use creates a fresh one. existing...() answers without creating.

namespace kestrune::reading_ui {

class FrmOpen;   // start window
class FrmFront;  // querent details
class FrmTarot;  // spread selection
class FrmManual; // manual picking
class FrmMDI;    // reading result frame
class FrmAuto;   // reading table, a child of FrmMDI

FrmOpen* frmOpen();
FrmFront* frmFront();
FrmTarot* frmTarot();
FrmManual* frmManual();
FrmMDI* frmMDI();
FrmAuto* frmAuto();

FrmOpen* existingFrmOpen();
FrmFront* existingFrmFront();
FrmTarot* existingFrmTarot();
FrmManual* existingFrmManual();
FrmMDI* existingFrmMDI();
FrmAuto* existingFrmAuto();

} // namespace kestrune::reading_ui
