// What a back/forward cursor needs of a button: only its enabled state. The Qt
// windows wrap their buttons in it; tests use a recording fake.
#pragma once

class TNavButton {
public:
    virtual ~TNavButton() = default;
    virtual void SetEnabled(bool Enabled) = 0;
};
