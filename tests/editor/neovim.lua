-- Neovim's built-in client on the built server: opens the exported train
-- description, introduces a typo, and reads back the diagnostics, a hover
-- and a completion, then formats the text through the server. Written for the API of Neovim 0.7 (start_client and
-- buf_attach_client) and later. Prints "neovim: ok" and quits with 0, or
-- prints what failed and quits with 1.
local server = os.getenv('COMPATTATORE_CLI')
local treno = os.getenv('TRENO')

local function fallisci(msg)
  io.stdout:write('neovim: FAILED: ' .. msg .. '\n')
  vim.cmd('cquit 1')
end

vim.cmd('edit ' .. vim.fn.fnameescape(treno))
local buf = vim.api.nvim_get_current_buf()
local client = vim.lsp.start_client({
  name = 'compattatore',
  cmd = { server, 'lsp' },
  root_dir = vim.fn.fnamemodify(treno, ':h'),
})
if not client then fallisci('the client did not start') end
vim.lsp.buf_attach_client(buf, client)

-- The typo: the first station moves to 85975 m, not a multiple of 50.
local riga = vim.fn.search('^stazione,   85950') - 1
vim.api.nvim_buf_set_text(buf, riga, 12, riga, 17, { '85975' })

local diagnostiche = {}
vim.wait(10000, function()
  diagnostiche = vim.diagnostic.get(buf)
  return #diagnostiche > 0
end, 50)
if #diagnostiche == 0 then fallisci('no diagnostics') end
local d = diagnostiche[1]
io.stdout:write(string.format('diagnostic %d:%d-%d: %s (code %s)\n', d.lnum + 1, d.col, d.end_col, d.message, tostring(d.code)))
if d.lnum ~= riga or d.severity ~= vim.diagnostic.severity.ERROR or not d.message:find('85975') then
  fallisci('unexpected diagnostic')
end

local function chiedi(metodo, pos, extra)
  local p = extra or {}
  p.textDocument = vim.lsp.util.make_text_document_params(buf)
  p.position = pos
  local r = vim.lsp.buf_request_sync(buf, metodo, p, 10000)
  if not r then fallisci('no answer to ' .. metodo) end
  for _, x in pairs(r) do
    if x.result then return x.result end
  end
  fallisci('empty answer to ' .. metodo)
end

local segnale = vim.fn.search('^segnale,') - 1
local h = chiedi('textDocument/hover', { line = segnale, character = 12 })
local testo = type(h.contents) == 'table' and h.contents.value or tostring(h.contents)
io.stdout:write('hover: ' .. testo:gsub('\n', ' | ') .. '\n')
if not testo:find('On cell 1733 (86,600 m)', 1, true) or not testo:find('posizione', 1, true) then
  fallisci('unexpected hover')
end

local c = chiedi('textDocument/completion', { line = 0, character = 0 })
local etichette = {}
for _, e in ipairs(c.items or c) do etichette[e.label] = e end
if not etichette['stazione'] or not etichette['[segnali]'] then fallisci('completion lacks stazione or [segnali]') end
io.stdout:write('completion: ' .. etichette['stazione'].insertText .. '\n')

-- Formatting: one edit for the whole text, applied by Neovim; asked again,
-- no edit at all.
local opzioni = { options = { tabSize = 4, insertSpaces = true } }
local modifiche = chiedi('textDocument/formatting', nil, opzioni)
if #modifiche ~= 1 then fallisci('formatting gave ' .. #modifiche .. ' edits') end
vim.lsp.util.apply_text_edits(modifiche, buf, 'utf-16')
local vetture = vim.api.nvim_buf_get_lines(buf, 1, 2, true)[1]
io.stdout:write('formatted: ' .. vetture .. '\n')
if vetture ~= 'numero vetture,               2' then fallisci('unexpected formatted line') end
local ancora = chiedi('textDocument/formatting', nil, opzioni)
if #ancora ~= 0 then fallisci('formatting a formatted text gave edits') end

vim.lsp.stop_client(client)
io.stdout:write('neovim: ok\n')
vim.cmd('qall!')
