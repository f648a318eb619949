# Sourced by the scripts that configure a build: werror, the value for -DPLESSARD_WERROR. Under
# CI (CI=true) every warning is an error; elsewhere a warning still lets the build finish.
werror=OFF
if [ "${CI:-}" = "true" ]; then
  werror=ON
fi
