# Package lists shared by run.sh and test.sh. The catalogues are built with
# qt6-tools-dev and qt6-l10n-tools; qt6-translations-l10n has Qt's own texts.
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libxcb1-dev libxcb-xfixes0-dev libxcb-shm0-dev
                libwayland-dev wayland-protocols
                libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core help2man
                qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
E2E_PACKAGES=(xvfb xdotool imagemagick picom openbox trayer x11-xserver-utils x11-utils procps
              appstream desktop-file-utils dpkg-dev file lintian
              sway xwayland grim jq qt6-wayland kwin-wayland dbus mutter python3-dbus)
# The fuzz targets in scripts/sanitize.sh: clang with its libFuzzer runtime.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
