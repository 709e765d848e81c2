@echo off
rem Runs every Windows test of Tapnor, Fendle and Sleekon from this folder, as the build
rem machine runs them, and ends with the line "N passed, N failed".
rem The tests move the mouse, press keys and read the screen: leave the PC alone until
rem that line comes. Run it in an ordinary desktop session, at 100 % display scaling.
rem   run-tests.cmd       waits for a key at the end (started from Explorer)
rem   run-tests.cmd /q    does not (started from a script)
setlocal
rem The tests find the programs, the files of the source tree they compare with, and the
rem folder for their screenshots here, instead of in the build.
set "SUITE_PROGRAM_FOLDER=%~dp0bin"
set "SUITE_SOURCE_FOLDER=%~dp0source"
set "SUITE_SCREENSHOT_FOLDER=%~dp0screenshots"
if not exist "%SUITE_SCREENSHOT_FOLDER%" mkdir "%SUITE_SCREENSHOT_FOLDER%"
"%~dp0testing\test_runner.exe" "%~dp0tests.list"
set "result=%errorlevel%"
if /i not "%~1"=="/q" pause
exit /b %result%
