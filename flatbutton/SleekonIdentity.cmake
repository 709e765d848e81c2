# Who the control library is: the one place that states its identifiers. The type library's
# IDL, the registration table, the application manifests' reference to Sleekon.ocx, the
# programs' stored layouts and the tests all take them from the files the build generates
# from these (flatbutton/CMakeLists.txt). Its version is flatbutton/VERSION.
set(SLEEKON_LIBRARY_ID 47BCE19A-0EBA-4E4A-88A9-FEE45DEE38D0)
set(SLEEKON_LIBRARY_VERSION 1.0)
set(SLEEKON_CLASS_ID 3508A5DB-2E6D-4BA6-82F4-E14F2BBC3163)
set(SLEEKON_INTERFACE_ID 21B2C132-A67B-41CE-8641-D2D0D5D6E206)
set(SLEEKON_EVENTS_ID B42C6F9D-BA4B-448D-B6A3-DD8C93BEB0DE)
set(SLEEKON_PROGID Sleekon.SleekonControl)
set(SLEEKON_THREADING_MODEL Apartment)
# The class's miscellaneous-status flags for DVASPECT_CONTENT, by their manifest names.
set(SLEEKON_MISC_STATUS recomposeonresize cantlinkinside insideout activatewhenvisible
    setclientsitefirst)
