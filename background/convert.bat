@echo off
rem The menu background kit: run in this folder with no arguments, it turns the picture copied to
rem hl2\materialsrc\animated\spray001.tga into the game's menu background textures, 1024 x 1024 for
rem 4:3 screens and 2048 x 1024 for widescreen ones. Exits non-zero, with the reason on stderr, when
rem either cannot be made. The converter is CSSBINDER_CONVERTER when set, else the one beside this
rem script.
setlocal
set converter="%~dp0tga2vtf.exe"
if defined CSSBINDER_CONVERTER set converter="%CSSBINDER_CONVERTER%"
set picture=hl2\materialsrc\animated\spray001.tga
rem One run makes both from one decode of the picture. The converter's exit code is the script's; the
rem check is a line of its own, as every cmd (Wine's too) reads it alike.
%converter% %picture% hl2\materials\animated\spray.vtf --size 1024x1024 hl2\materials\animated\spray_widescreen.vtf --size 2048x1024
if errorlevel 1 exit /b %errorlevel%
