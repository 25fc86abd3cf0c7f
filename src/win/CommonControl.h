#pragma once
// CommonControl: makes sure InitCommonControls has run, once per process.

class CommonControl {
public:
    CommonControl();
    virtual ~CommonControl() = default;
};
