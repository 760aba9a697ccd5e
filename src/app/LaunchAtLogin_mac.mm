#include "LaunchAtLogin.h"

#import <Foundation/Foundation.h>
#import <ServiceManagement/ServiceManagement.h>

// The application itself is the login item (macOS 13 and later). Registration
// may wait for the user's approval in System Settings; until then the item
// reads as off.

bool LaunchAtLogin::isEnabled() {
    @autoreleasepool {
        return SMAppService.mainAppService.status == SMAppServiceStatusEnabled;
    }
}

bool LaunchAtLogin::setEnabled(bool enabled) {
    @autoreleasepool {
        SMAppService* service = SMAppService.mainAppService;
        const SMAppServiceStatus status = service.status;
        if (!enabled && status != SMAppServiceStatusEnabled &&
            status != SMAppServiceStatusRequiresApproval)
            return true; // nothing registered: already off
        NSError* error = nil;
        const BOOL done = enabled ? [service registerAndReturnError:&error]
                                  : [service unregisterAndReturnError:&error];
        if (done && enabled && service.status == SMAppServiceStatusRequiresApproval)
            [SMAppService openSystemSettingsLoginItems];
        return done;
    }
}
