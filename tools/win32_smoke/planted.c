/* What a downloaded folder might hold under a system library's name: a DLL
   that does nothing but say it is not the system's. run-smoke puts copies
   of it beside the smoke program. */
__declspec(dllexport) int slatebar_planted(void) { return 1; }
