-- A real client: Neovim's own LSP client starts `tarnwick --lsp`, opens a
-- script with an error and must receive the host's error for it.
-- Run: TARNWICK=path/to/tarnwick nvim --headless -u NONE -c "luafile neovim_diagnostic.lua"
local function finish(ok, text)
  io.stdout:write(text .. "\n")
  vim.cmd(ok and "qall!" or "cquit! 1")
end

local dir = vim.fn.tempname()
vim.fn.mkdir(dir, "p")
local path = dir .. "/broken.vbs"
vim.fn.writefile({ "Dim total", "If total > 1 Then", "    MsgBox total" }, path)
vim.cmd("edit " .. path)
local buffer = vim.api.nvim_get_current_buf()

local client = vim.lsp.start_client({ name = "tarnwick", cmd = { os.getenv("TARNWICK"), "--lsp" }, root_dir = dir })
if not client then return finish(false, "the client did not start") end
vim.lsp.buf_attach_client(buffer, client)

local received = vim.wait(20000, function() return #vim.diagnostic.get(buffer) > 0 end, 50)
if not received then return finish(false, "no diagnostic arrived") end
local d = vim.diagnostic.get(buffer)[1]
local code = d.code or (d.user_data and d.user_data.lsp and d.user_data.lsp.code)
local got = string.format("%d:%d %s %s", d.lnum, d.col, tostring(code), d.message)
finish(got == "3:0 1014 Expected 'End'", "diagnostic " .. got)
