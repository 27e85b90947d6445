@echo off
rem Starts the game in the classroom bank's folder, where it finds classroom\data.
cd /d "%~dp0classroom"
start "" "%~dp0kvardelon.exe"
