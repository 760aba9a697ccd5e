#include "app/LaunchAtLogin.h"

#import <Foundation/Foundation.h>
#import <ServiceManagement/ServiceManagement.h>

// The application itself is the login item (macOS 13 and later). Registration
// may wait for the user's approval in System Settings > General > Login Items,
// and goes back to waiting should the user withdraw it there.

namespace {
SMAppServiceStatus status() {
    return SMAppService.mainAppService.status;
}
} // namespace

bool LaunchAtLogin::isEnabled() {
    @autoreleasepool {
        return status() == SMAppServiceStatusEnabled;
    }
}

bool LaunchAtLogin::awaitsApproval() {
    @autoreleasepool {
        return status() == SMAppServiceStatusRequiresApproval;
    }
}

bool LaunchAtLogin::setEnabled(bool enabled) {
    @autoreleasepool {
        SMAppService* service = SMAppService.mainAppService;
        const bool registered = service.status == SMAppServiceStatusEnabled ||
                                service.status == SMAppServiceStatusRequiresApproval;
        NSError* error = nil;
        if (!enabled)
            return !registered || [service unregisterAndReturnError:&error];
        if (!registered && ![service registerAndReturnError:&error])
            return false;
        if (service.status == SMAppServiceStatusRequiresApproval)
            [SMAppService openSystemSettingsLoginItems];
        return true;
    }
}
