#pragma once
// Rebar: the system rebar control as a WindowObject (created through WindowBase, so it is
// registered and subclassed), holding bands for tool bars and other windows.

#include "win/CommonControlEx.h"
#include "win/WindowObject.h"

#include <commctrl.h>

class ToolBarEx;

class Rebar : public WindowObject {
public:
    explicit Rebar(const std::string& caption);

    // Copies the band as the template for the next insertBand; returns 0.
    virtual int setBandInfo(REBARBANDINFOW newBand);
    // Appends a band holding the child's window; returns 0.
    virtual int insertBand(WindowObject& child);
    virtual int insertBand(ToolBarEx& child);

    const REBARBANDINFOW& getBandTemplate() const { return band; }

protected:
    REBARBANDINFOW band{};

private:
    int insertBandFor(HWND child);
    CommonControlEx library;
};
