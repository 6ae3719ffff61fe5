@echo off
rem The menu background kit: run in this folder with no arguments, it turns the picture copied to
rem hl2\materialsrc\animated\spray001.tga into the game's menu background textures, 1024 x 1024 for
rem 4:3 screens and 2048 x 1024 for widescreen ones. Exits non-zero, with the reason on stderr, when
rem either cannot be made.
setlocal
set converter="%~dp0tga2vtf.exe"
set picture=hl2\materialsrc\animated\spray001.tga
%converter% %picture% hl2\materials\animated\spray.vtf --size 1024x1024 || exit /b 1
%converter% %picture% hl2\materials\animated\spray_widescreen.vtf --size 2048x1024 || exit /b 1
